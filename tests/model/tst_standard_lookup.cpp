// The standard lookup: which read-outs one diameter pick writes, for each core and grade, and
// their texts exactly as the catalogue prints the cells.

#include "standard/lookup.h"

#include <QtTest>

using standard::Core;
using standard::Grade;
using standard::Readouts;

Q_DECLARE_METATYPE(std::optional<Core>)
Q_DECLARE_METATYPE(std::optional<Grade>)

namespace {

// The boxes a pick writes, as "box=text" by box number; a box it leaves alone is not listed.
QStringList written(const Readouts &shown)
{
    QStringList boxes;
    const auto add = [&](int box, const std::optional<std::string> &text) {
        if (text)
            boxes << QStringLiteral("%1=%2").arg(box).arg(QString::fromStdString(*text));
    };
    add(7, shown.naturalFibreWeight);
    add(8, shown.syntheticFibreWeight);
    add(9, shown.steelWeight);
    add(10, shown.fibreBreaking);
    add(11, shown.steelBreaking);
    return boxes;
}

Readouts lookUp(const QByteArray &table, int row, std::optional<Core> core, std::optional<Grade> grade)
{
    if (table == "6x19")
        return standard::lookup(standard::k6x19, row, core, grade);
    if (table == "6x37")
        return standard::lookup(standard::k6x37, row, core, grade);
    if (table == "6x61")
        return standard::lookup(standard::k6x61, row, core, grade);
    return standard::lookup(standard::k18x7, row, core, grade);
}

constexpr std::optional<Core> kNoCore;
constexpr std::optional<Grade> kNoGrade;

} // namespace

class TestStandardLookup : public QObject {
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
};

void TestStandardLookup::lookup_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<std::optional<Core>>("core");
    QTest::addColumn<std::optional<Grade>>("grade");
    QTest::addColumn<QStringList>("boxes");

    const std::optional<Core> fibre = Core::Fibre;
    const std::optional<Core> steel = Core::Steel;

    QTest::newRow("no core: nothing")
        << QByteArray("6x19") << 0 << kNoCore << std::optional(Grade::N1570) << QStringList();
    QTest::newRow("fibre, no grade: weights only")
        << QByteArray("6x19") << 0 << fibre << kNoGrade << QStringList { "7=3.11", "8=3.03" };
    QTest::newRow("fibre 1570") << QByteArray("6x19") << 0 << fibre << std::optional(Grade::N1570)
                                << QStringList { "7=3.11", "8=3.03", "10=4.33" };
    QTest::newRow("whole number shows no point")
        << QByteArray("6x19") << 2 << fibre << std::optional(Grade::N1570)
        << QStringList { "7=8.65", "8=8.42", "10=12" };
    QTest::newRow("steel, no grade: its weight only")
        << QByteArray("6x19") << 14 << steel << kNoGrade << QStringList { "9=152" };
    QTest::newRow("steel 1770") << QByteArray("6x19") << 14 << steel << std::optional(Grade::N1770)
                                << QStringList { "9=152", "11=235" };
    QTest::newRow("φ(30) by position") << QByteArray("6x19") << 19 << steel << std::optional(Grade::N1670)
                                       << QStringList { "9=343", "11=498" };
    QTest::newRow("last row, steel 1870") << QByteArray("6x19") << 28 << steel << std::optional(Grade::N1870)
                                          << QStringList { "9=878", "11=1430" };
    QTest::newRow("six strands have no 1470")
        << QByteArray("6x19") << 5 << fibre << std::optional(Grade::N1470)
        << QStringList { "7=22.1", "8=21.6" };
    QTest::newRow("6x37 fibre 1570") << QByteArray("6x37") << 0 << fibre << std::optional(Grade::N1570)
                                     << QStringList { "7=12.5", "8=12.1", "10=16.6" };
    QTest::newRow("6x37 φ8 steel 1870, mended")
        << QByteArray("6x37") << 2 << steel << std::optional(Grade::N1870)
        << QStringList { "9=24.4", "11=38.1" };
    QTest::newRow("6x37 steel 1870, whole") << QByteArray("6x37") << 7 << steel << std::optional(Grade::N1870)
                                            << QStringList { "9=64.4", "11=100" };
    QTest::newRow("6x37 last row") << QByteArray("6x37") << 34 << steel << std::optional(Grade::N1870)
                                   << QStringList { "9=1660", "11=2590" };
    QTest::newRow("6x37 fibre 1670") << QByteArray("6x37") << 16 << fibre << std::optional(Grade::N1670)
                                     << QStringList { "7=311", "8=303", "10=443" };
    QTest::newRow("6x61 fibre 1570") << QByteArray("6x61") << 0 << fibre << std::optional(Grade::N1570)
                                     << QStringList { "7=578", "8=566", "10=758" };
    QTest::newRow("6x61 steel 1670") << QByteArray("6x61") << 10 << steel << std::optional(Grade::N1670)
                                     << QStringList { "9=1430", "11=1950" };
    QTest::newRow("6x61 fibre 1770") << QByteArray("6x61") << 7 << fibre << std::optional(Grade::N1770)
                                     << QStringList { "7=1050", "8=1030", "10=1550" };
    QTest::newRow("6x61 last row") << QByteArray("6x61") << 25 << steel << std::optional(Grade::N1870)
                                   << QStringList { "9=3220", "11=4930" };
    QTest::newRow("18x7 1470") << QByteArray("18x7") << 0 << fibre << std::optional(Grade::N1470)
                               << QStringList { "7=14", "10=17.3" };
    QTest::newRow("18x7 1570") << QByteArray("18x7") << 14 << fibre << std::optional(Grade::N1570)
                               << QStringList { "7=264", "10=348" };
    QTest::newRow("18x7 1870 φ(30)") << QByteArray("18x7") << 16 << fibre << std::optional(Grade::N1870)
                                     << QStringList { "7=351", "10=552" };
    QTest::newRow("18x7 last row") << QByteArray("18x7") << 26 << fibre << std::optional(Grade::N1470)
                                   << QStringList { "7=975", "10=1205" };
    QTest::newRow("18x7 no grade") << QByteArray("18x7") << 1 << fibre << kNoGrade
                                   << QStringList { "7=19.1" };
    QTest::newRow("18x7 has no steel core")
        << QByteArray("18x7") << 1 << steel << std::optional(Grade::N1570) << QStringList();
    QTest::newRow("18x7 no core") << QByteArray("18x7") << 1 << kNoCore << std::optional(Grade::N1570)
                                  << QStringList();
    QTest::newRow("no item picked") << QByteArray("6x61") << -1 << fibre << std::optional(Grade::N1570)
                                    << QStringList();
    QTest::newRow("past the end") << QByteArray("6x19") << 29 << steel << std::optional(Grade::N1570)
                                  << QStringList();
    QTest::newRow("18x7 past the end")
        << QByteArray("18x7") << 27 << fibre << std::optional(Grade::N1570) << QStringList();
}

void TestStandardLookup::lookup()
{
    QFETCH(QByteArray, table);
    QFETCH(int, row);
    QFETCH(std::optional<Core>, core);
    QFETCH(std::optional<Grade>, grade);
    QFETCH(QStringList, boxes);
    QCOMPARE(written(lookUp(table, row, core, grade)), boxes);
}

QTEST_APPLESS_MAIN(TestStandardLookup)
#include "tst_standard_lookup.moc"
