// The standard "计  算" on the texts of its boxes and the buttons selected: the breaking force in
// kN turned into kg, the mine-construction coefficient of class and core, the force and the
// purpose, with the result in the "#######.##" pattern.

#include "standard/check.h"
#include "tests/model/verdicts.h"

#include <QtTest>

using standard::Choices;
using standard::Core;
using standard::RopeClass;
using standard::WorkType;

Q_DECLARE_METATYPE(Choices)

namespace {

constexpr double kKgPerKn = 1000 / 9.8;

// What the read-outs of a looked-up rope hold: the selected core's breaking force only.
struct Rope {
    const char *fibre;
    const char *steel;
};

void addCase(const char *name, Rope rope, const char *force, const char *purpose, Choices choices,
    const QString &expected)
{
    QTest::newRow(name) << QString(rope.fibre) << QString(rope.steel) << QString(force) << QString(purpose)
                        << choices << expected;
}

const Choices kFibreInstall { RopeClass::C6x19, Core::Fibre, WorkType::Installation };
const Choices kSteelInstall { RopeClass::C6x19, Core::Steel, WorkType::Installation };

Choices mine(RopeClass ropeClass, Core core)
{
    return { ropeClass, core, WorkType::MineConstruction };
}

} // namespace

class TestStandardCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void multiplierBeforeBoxValue_data();
    void multiplierBeforeBoxValue();
};

void TestStandardCheck::check_data()
{
    QTest::addColumn<QString>("fibre");
    QTest::addColumn<QString>("steel");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<Choices>("choices");
    QTest::addColumn<QString>("expected");

    // 235 kN is 23979.59 kg: 11.99 against a lashing rope's 10.
    addCase("installation", { "", "235" }, "2000", "绑扎绳10", kSteelInstall, "passed: 11.99");
    addCase("too weak, red", { "17.3", "" }, "300", "井架提升6", kFibreInstall, "too weak");
    addCase("a typed factor", { "17.3", "" }, "300", "5", kFibreInstall, "passed: 5.88");
    addCase("passenger lift typed, not in the list", { "1205", "" }, "9000", "载人升降14", kFibreInstall,
        "too weak");
    addCase("passenger lift needs more than 14", { "1205", "" }, "6000", "载人升降14", kFibreInstall,
        "passed: 20.49");
    // 49 kN is exactly 5000 kg.
    addCase("equal to the required factor fails", { "49", "" }, "500", "绑扎绳10", kFibreInstall, "too weak");
    addCase("a whole factor keeps its point", { "49", "" }, "400", "绑扎绳10", kFibreInstall, "passed: 12.5");
    addCase("rounds to a whole number", { "49", "" }, "499.99", "绑扎绳10", kFibreInstall, "passed: 10.");
    addCase("below one: no leading zero", { "4.9", "" }, "1000", "0.1", kFibreInstall, "passed: .5");
    addCase("negative force", { "17.3", "" }, "-300", "缆绳3.5", kFibreInstall, "too weak");
    addCase("negative force, negative factor", { "17.3", "" }, "-300", "-6", kFibreInstall, "passed: -5.88");

    // Under "矿建" the coefficient of class and core: 17.3 kN over 300 kg is 5.88 before it.
    addCase(
        "6x19 fibre 1.197", { "17.3", "" }, "300", "1", mine(RopeClass::C6x19, Core::Fibre), "passed: 7.04");
    addCase("6x19 steel 1.287", { "", "235" }, "2000", "绑扎绳10", mine(RopeClass::C6x19, Core::Steel),
        "passed: 15.43");
    addCase(
        "6x37 fibre 1.249", { "17.3", "" }, "300", "1", mine(RopeClass::C6x37, Core::Fibre), "passed: 7.35");
    addCase(
        "6x37 steel 1.336", { "", "17.3" }, "300", "1", mine(RopeClass::C6x37, Core::Steel), "passed: 7.86");
    addCase(
        "6x61 fibre 1.25", { "17.3", "" }, "300", "1", mine(RopeClass::C6x61, Core::Fibre), "passed: 7.36");
    addCase(
        "6x61 steel 1.316", { "", "17.3" }, "300", "1", mine(RopeClass::C6x61, Core::Steel), "passed: 7.74");
    addCase("18x7 fibre 1.283", { "17.3", "" }, "300", "矿井提物7.5", mine(RopeClass::C18x7, Core::Fibre),
        "passed: 7.55");

    // Choices that give no case leave the breaking force at 0.
    addCase("no core", { "17.3", "" }, "300", "1", { RopeClass::C6x19, std::nullopt, WorkType::Installation },
        "too weak");
    addCase("no work type", { "17.3", "" }, "300", "1", { RopeClass::C6x19, Core::Fibre, std::nullopt },
        "too weak");
    addCase("mine construction, no class", { "17.3", "" }, "300", "1",
        { std::nullopt, Core::Fibre, WorkType::MineConstruction }, "too weak");
    addCase("18x7 has no steel coefficient", { "", "17.3" }, "300", "1", mine(RopeClass::C18x7, Core::Steel),
        "too weak");
    addCase("no case, negative factor", { "17.3", "" }, "300", "-1",
        { RopeClass::C6x19, Core::Fibre, std::nullopt }, "passed: .");

    // The messages, the first that applies only.
    addCase("nothing at all", { "", "" }, "", "", kFibreInstall, kRopeVerdict);
    addCase("no rope before no force", { "", "" }, "", "绑扎绳10", kFibreInstall, kRopeVerdict);
    addCase("either box counts as a rope", { "", "235" }, "", "", kFibreInstall, kForceVerdict);
    addCase("force 0", { "17.3", "" }, "0", "绑扎绳10", kFibreInstall, kForceVerdict);
    addCase("force not a number", { "17.3", "" }, "kg", "绑扎绳10", kFibreInstall, kForceVerdict);
    addCase("force with a unit", { "17.3", "" }, "300kg", "绑扎绳10", kFibreInstall, kForceVerdict);
    addCase("force beyond a double", { "17.3", "" }, "1e999", "绑扎绳10", kFibreInstall, kForceVerdict);
    addCase("quotient overflows", { "17.3", "" }, "1e-320", "绑扎绳10", kFibreInstall, kForceVerdict);
    addCase("no purpose", { "17.3", "" }, "300", "", kFibreInstall, kPurposeVerdict);
    addCase(
        "purpose with a trailing blank", { "17.3", "" }, "300", "井架提升6 ", kFibreInstall, kPurposeVerdict);
    addCase("factor with a comma", { "17.3", "" }, "300", "3,5", kFibreInstall, kPurposeVerdict);
    addCase("force before purpose", { "17.3", "" }, "", "", kFibreInstall, kForceVerdict);
    // The selected core's box is empty while the other holds a number: no rope for this core.
    addCase("selected core's box empty", { "", "235" }, "2000", "绑扎绳10", kFibreInstall, kRopeVerdict);
    addCase("other core's box empty, no case", { "", "235" }, "2000", "-1",
        { RopeClass::C6x19, Core::Fibre, std::nullopt }, "passed: .");
}

void TestStandardCheck::check()
{
    QFETCH(QString, fibre);
    QFETCH(QString, steel);
    QFETCH(QString, force);
    QFETCH(QString, purpose);
    QFETCH(Choices, choices);
    QFETCH(QString, expected);
    const common::Verdict verdict = standard::check(
        fibre.toStdString(), steel.toStdString(), force.toStdString(), purpose.toStdString(), choices);
    QCOMPARE(describe(verdict, common::formatTwoDecimals), expected);
}

// The multiplier is formed first (kN to kg, then the coefficient) and the box's value is
// multiplied by it last; the other order differs in the last bit for these ropes.
void TestStandardCheck::multiplierBeforeBoxValue_data()
{
    QTest::addColumn<RopeClass>("ropeClass");
    QTest::addColumn<Core>("core");
    QTest::addColumn<double>("coefficient");
    QTest::newRow("6x37 fibre") << RopeClass::C6x37 << Core::Fibre << 1.249;
    QTest::newRow("6x37 steel") << RopeClass::C6x37 << Core::Steel << 1.336;
    QTest::newRow("6x61 steel") << RopeClass::C6x61 << Core::Steel << 1.316;
}

void TestStandardCheck::multiplierBeforeBoxValue()
{
    QFETCH(RopeClass, ropeClass);
    QFETCH(Core, core);
    QFETCH(double, coefficient);
    const common::Verdict verdict = standard::check("235", "235", "1", "1", mine(ropeClass, core));
    const auto *result = std::get_if<common::Passed>(&verdict);
    QVERIFY(result);
    QVERIFY(result->factor == 235 * (kKgPerKn * coefficient));
    QVERIFY(result->factor != 235 * kKgPerKn * coefficient);
}

QTEST_APPLESS_MAIN(TestStandardCheck)
#include "tst_standard_check.moc"
