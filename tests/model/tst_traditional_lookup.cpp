// The traditional lookup: what the four read-outs show for a picked row and grade.

#include "common/number_reading.h"
#include "traditional/lookup.h"

#include <QtTest>
#include <array>
#include <optional>

using traditional::Grade;
using traditional::RopeTable;

Q_DECLARE_METATYPE(const RopeTable *)

namespace {

constexpr int kNoGrade = -1;

std::optional<Grade> gradeOf(int index)
{
    if (index == kNoGrade)
        return std::nullopt;
    return Grade(index);
}

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

class TestTraditionalLookup : public QObject {
    Q_OBJECT

private slots:
    void readouts_data();
    void readouts();
    void everyCellReadsBackAsStored();
    void rowOutsideTheTable();
};

void TestTraditionalLookup::readouts_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QStringList>("shown"); // area, weight, then total and rope when a grade is set

    const auto *t19 = &traditional::k6x19;
    const auto *t37 = &traditional::k6x37;
    const auto *t61 = &traditional::k6x61;
    const int g140 = int(Grade::Kg140);
    const int g185 = int(Grade::Kg185);
    const int g200 = int(Grade::Kg200);
    const QString none = QStringLiteral("无此型号");

    QTest::newRow("6x19 φ6.2 at 140") << t19 << 0 << g140 << QStringList { "14.32", "13.53", "2000", "1700" };
    QTest::newRow("6x19 φ20.0 at 155")
        << t19 << 9 << int(Grade::Kg155) << QStringList { "151.24", "142.9", "23400", "19890" };
    QTest::newRow("6x37 φ65.0 without grade") << t37 << 20 << kNoGrade << QStringList { "1568.43", "1474.3" };
    QTest::newRow("6x19 φ28.0 at 185: whole weight")
        << t19 << 14 << g185 << QStringList { "289.95", "274", "53600", "45600" };
    QTest::newRow("6x19 φ31.0 at 200: last made")
        << t19 << 15 << g200 << QStringList { "357.96", "338.3", "71550", "60800" };
    for (int row = 16; row <= 20; ++row) {
        QTest::addRow("6x19 row %d at 200: not made", row)
            << t19 << row << g200 << QStringList { none, none, none, none };
        QTest::addRow("6x37 row %d at 200: not made", row)
            << t37 << row << g200 << QStringList { none, none, none, none };
    }
    QTest::newRow("6x37 φ43.0 at 200: last made")
        << t37 << 15 << g200 << QStringList { "697.08", "655.3", "139000", "113900" };
    QTest::newRow("6x37 φ39.0 at 185")
        << t37 << 14 << g185 << QStringList { "564.63", "530.8", "104000", "85250" };
    QTest::newRow("6x61 φ36.0 at 200")
        << t61 << 9 << g200 << QStringList { "485.55", "456.4", "97100", "77680" };
    QTest::newRow("6x61 φ50.0 at 200: last made")
        << t61 << 14 << g200 << QStringList { "930.88", "875", "186000", "148800" };
    QTest::newRow("6x61 φ55.5 at 200: not made")
        << t61 << 15 << g200 << QStringList { none, none, none, none };
    QTest::newRow("6x61 φ83.0 at 170")
        << t61 << 20 << int(Grade::Kg170) << QStringList { "2585.79", "2430.6", "439500", "331600" };
    QTest::newRow("6x61 φ83.0 at 140")
        << t61 << 20 << g140 << QStringList { "2585.79", "2430.6", "362000", "289600" };
}

void TestTraditionalLookup::readouts()
{
    QFETCH(const RopeTable *, table);
    QFETCH(int, row);
    QFETCH(int, grade);
    QFETCH(QStringList, shown);
    const std::optional<traditional::Readouts> readouts = traditional::lookup(*table, row, gradeOf(grade));
    QVERIFY(readouts);
    QStringList actual { qt(readouts->area), qt(readouts->weight) };
    if (readouts->forces)
        actual << qt(readouts->forces->total) << qt(readouts->forces->rope);
    QCOMPARE(actual, shown);
}

// Every read-out is the plain text of its cell: it converts back to the stored value and
// carries no exponent, no trailing zero and no point in a whole number.
void TestTraditionalLookup::everyCellReadsBackAsStored()
{
    const std::array<const RopeTable *, 3> tables { &traditional::k6x19, &traditional::k6x37,
        &traditional::k6x61 };
    const QRegularExpression plain(QStringLiteral("^[1-9][0-9]*(\\.[0-9]*[1-9])?$"));
    for (const RopeTable *table : tables) {
        for (int row = 0; row < int(table->rows.size()); ++row) {
            for (int grade = kNoGrade; grade <= int(Grade::Kg200); ++grade) {
                const auto readouts = traditional::lookup(*table, row, gradeOf(grade));
                QVERIFY(readouts);
                const auto &cells = table->rows[std::size_t(row)];
                if (readouts->area == traditional::kNoSuchModel) {
                    QCOMPARE(grade, int(Grade::Kg200));
                    QVERIFY(std::size_t(row) >= table->kg200.size());
                    continue;
                }
                QVERIFY(common::wholeNumber(readouts->area) == cells.area);
                QVERIFY(common::wholeNumber(readouts->weight) == cells.weight);
                QCOMPARE(readouts->forces.has_value(), grade != kNoGrade);
                for (const std::string *text : { &readouts->area, &readouts->weight })
                    QVERIFY2(plain.match(qt(*text)).hasMatch(), text->c_str());
                if (readouts->forces) {
                    QVERIFY(plain.match(qt(readouts->forces->total)).hasMatch());
                    QVERIFY(plain.match(qt(readouts->forces->rope)).hasMatch());
                }
            }
        }
    }
}

void TestTraditionalLookup::rowOutsideTheTable()
{
    QVERIFY(!traditional::lookup(traditional::k6x19, -1, Grade::Kg140));
    QVERIFY(!traditional::lookup(traditional::k6x19, 21, Grade::Kg140));
    QVERIFY(traditional::lookup(traditional::k6x19, 20, Grade::Kg140));
}

QTEST_GUILESS_MAIN(TestTraditionalLookup)
#include "tst_traditional_lookup.moc"
