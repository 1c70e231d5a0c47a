// The traditional rope tables against what is known of them: their shape, the columns that
// rise, the ratios each table is made with, and a few cells read straight off the catalogue.

#include "traditional/rope_tables.h"

#include <QtTest>
#include <cmath>
#include <vector>

using traditional::BreakingForce;
using traditional::RopeTable;

Q_DECLARE_METATYPE(const RopeTable *)

namespace {

struct Column {
    int grade; // kg/mm2
    BreakingForce force;
};

// The breaking forces a row has, grade by grade, ending with 200 kg/mm2 where it is made.
std::vector<Column> columnsOf(const RopeTable &table, std::size_t row)
{
    const traditional::Row &cells = table.rows[row];
    std::vector<Column> columns { { 140, cells.kg140 }, { 155, cells.kg155 }, { 170, cells.kg170 },
        { 185, cells.kg185 } };
    if (row < table.kg200.size())
        columns.push_back({ 200, table.kg200[row] });
    return columns;
}

// The cells whose ratio lies further than tolerance from expected, as "row R at G".
template <typename Ratio>
QStringList cellsOff(const RopeTable &table, Ratio ratio, double expected, double tolerance)
{
    QStringList off;
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (const Column &column : columnsOf(table, r))
            if (std::abs(ratio(table.rows[r], column) - expected) > tolerance)
                off << QStringLiteral("row %1 at %2").arg(r).arg(column.grade);
    return off;
}

void addTables()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::newRow("6x19") << &traditional::k6x19;
    QTest::newRow("6x37") << &traditional::k6x37;
    QTest::newRow("6x61") << &traditional::k6x61;
}

} // namespace

class TestTraditionalTables : public QObject {
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void columnsRiseWithDiameter_data() { addTables(); }
    void columnsRiseWithDiameter();
    void forcesRiseWithGrade_data() { addTables(); }
    void forcesRiseWithGrade();
    void ropeToTotalRatio_data();
    void ropeToTotalRatio();
    void weightToAreaRatio_data();
    void weightToAreaRatio();
    void totalIsAreaTimesGrade_data();
    void totalIsAreaTimesGrade();
    void knownCells_data();
    void knownCells();
};

void TestTraditionalTables::shape_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<int>("kg200Rows");
    QTest::newRow("6x19") << &traditional::k6x19 << 16;
    QTest::newRow("6x37") << &traditional::k6x37 << 16;
    QTest::newRow("6x61") << &traditional::k6x61 << 15;
}

void TestTraditionalTables::shape()
{
    QFETCH(const RopeTable *, table);
    QFETCH(int, kg200Rows);
    QCOMPARE(table->rows.size(), std::size_t(21));
    QCOMPARE(table->kg200.size(), std::size_t(kg200Rows));
}

// A thicker rope has more steel: area, weight and every breaking force grow row by row.
void TestTraditionalTables::columnsRiseWithDiameter()
{
    QFETCH(const RopeTable *, table);
    for (std::size_t r = 1; r < table->rows.size(); ++r) {
        const QByteArray where = "row " + QByteArray::number(qulonglong(r));
        QVERIFY2(table->rows[r].area > table->rows[r - 1].area, where);
        QVERIFY2(table->rows[r].weight > table->rows[r - 1].weight, where);
        const std::vector<Column> here = columnsOf(*table, r);
        const std::vector<Column> above = columnsOf(*table, r - 1);
        for (std::size_t g = 0; g < here.size(); ++g) {
            const QByteArray cell = where + " grade " + QByteArray::number(here[g].grade);
            QVERIFY2(here[g].force.total > above[g].force.total, cell);
            QVERIFY2(here[g].force.rope > above[g].force.rope, cell);
        }
    }
}

// Stronger wire makes a stronger rope of the same diameter.
void TestTraditionalTables::forcesRiseWithGrade()
{
    QFETCH(const RopeTable *, table);
    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        const std::vector<Column> columns = columnsOf(*table, r);
        for (std::size_t g = 1; g < columns.size(); ++g) {
            const QByteArray cell = "row " + QByteArray::number(qulonglong(r)) + " grade "
                + QByteArray::number(columns[g].grade);
            QVERIFY2(columns[g].force.total > columns[g - 1].force.total, cell);
            QVERIFY2(columns[g].force.rope > columns[g - 1].force.rope, cell);
        }
    }
}

void TestTraditionalTables::ropeToTotalRatio_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QStringList>("exceptions");
    QTest::newRow("6x19") << &traditional::k6x19 << 0.85 << 0.02
                          << QStringList { "row 9 at 185", "row 15 at 185" }; // φ20.0, φ31.0: 0.88
    QTest::newRow("6x37") << &traditional::k6x37 << 0.82 << 0.015
                          << QStringList { "row 0 at 140" }; // φ8.7: 3000 of 3900, 0.77
    QTest::newRow("6x61") << &traditional::k6x61 << 0.80 << 0.005
                          << QStringList { "row 20 at 170" }; // φ83.0: 331600 of 439500, 0.75
}

// Laying the wires into a rope costs strength in a fixed proportion per construction. The
// catalogue departs from it in four cells, which are shown as printed.
void TestTraditionalTables::ropeToTotalRatio()
{
    QFETCH(const RopeTable *, table);
    QFETCH(double, ratio);
    QFETCH(double, tolerance);
    QFETCH(QStringList, exceptions);
    const auto ropeToTotal = [](const traditional::Row &, const Column &column) {
        return double(column.force.rope) / column.force.total;
    };
    QCOMPARE(cellsOff(*table, ropeToTotal, ratio, tolerance), exceptions);
}

void TestTraditionalTables::weightToAreaRatio_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<double>("ratio");
    QTest::newRow("6x19") << &traditional::k6x19 << 0.945;
    QTest::newRow("6x37") << &traditional::k6x37 << 0.94;
    QTest::newRow("6x61") << &traditional::k6x61 << 0.94;
}

void TestTraditionalTables::weightToAreaRatio()
{
    QFETCH(const RopeTable *, table);
    QFETCH(double, ratio);
    for (std::size_t r = 0; r < table->rows.size(); ++r) {
        const double actual = table->rows[r].weight / table->rows[r].area;
        QVERIFY2(std::abs(actual - ratio) <= 0.001, "row " + QByteArray::number(qulonglong(r)));
    }
}

void TestTraditionalTables::totalIsAreaTimesGrade_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<QStringList>("exceptions");
    QTest::newRow("6x19") << &traditional::k6x19 << QStringList();
    QTest::newRow("6x37") << &traditional::k6x37 << QStringList();
    QTest::newRow("6x61") << &traditional::k6x61
                          << QStringList { "row 12 at 200", "row 13 at 200", "row 14 at 200" };
}

// Each total is the area times the grade, rounded down to a catalogue step. The three
// thickest 200 kg/mm2 ropes of 6x61 are printed 12 to 23 per cent stronger, and shown so.
void TestTraditionalTables::totalIsAreaTimesGrade()
{
    QFETCH(const RopeTable *, table);
    QFETCH(QStringList, exceptions);
    const auto totalToAreaTimesGrade = [](const traditional::Row &row, const Column &column) {
        return column.force.total / (row.area * column.grade);
    };
    QCOMPARE(cellsOff(*table, totalToAreaTimesGrade, 1, 0.005), exceptions);
}

void TestTraditionalTables::knownCells_data()
{
    QTest::addColumn<const RopeTable *>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("grade");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("weight");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("rope");
    QTest::newRow("6x19 φ6.2 140") << &traditional::k6x19 << 0 << 140 << 14.32 << 13.53 << 2000 << 1700;
    QTest::newRow("6x19 φ20.0 155") << &traditional::k6x19 << 9 << 155 << 151.24 << 142.9 << 23400 << 19890;
    QTest::newRow("6x19 φ28.0 185") << &traditional::k6x19 << 14 << 185 << 289.95 << 274.0 << 53600 << 45600;
    QTest::newRow("6x19 φ31.0 200") << &traditional::k6x19 << 15 << 200 << 357.96 << 338.3 << 71550 << 60800;
    QTest::newRow("6x19 φ46.0 185") << &traditional::k6x19 << 20 << 185 << 805.41 << 761.1 << 149000
                                    << 126800;
    QTest::newRow("6x37 φ8.7 185") << &traditional::k6x37 << 0 << 185 << 27.88 << 26.21 << 5150 << 4225;
    QTest::newRow("6x37 φ39.0 185 (mended total)")
        << &traditional::k6x37 << 14 << 185 << 564.63 << 530.8 << 104000 << 85250;
    QTest::newRow("6x37 φ43.0 200") << &traditional::k6x37 << 15 << 200 << 697.08 << 655.3 << 139000
                                    << 113900;
    QTest::newRow("6x37 φ65.0 170") << &traditional::k6x37 << 20 << 170 << 1568.43 << 1474.3 << 266500
                                    << 218500;
    QTest::newRow("6x61 φ11.0 140") << &traditional::k6x61 << 0 << 140 << 45.97 << 43.21 << 6430 << 5144;
    QTest::newRow("6x61 φ36.0 200 (mended rope)")
        << &traditional::k6x61 << 9 << 200 << 485.55 << 456.4 << 97100 << 77680;
    QTest::newRow("6x61 φ50.0 200") << &traditional::k6x61 << 14 << 200 << 930.88 << 875.0 << 229500
                                    << 183600;
    QTest::newRow("6x61 φ83.0 185") << &traditional::k6x61 << 20 << 185 << 2585.79 << 2430.6 << 478000
                                    << 382400;
}

void TestTraditionalTables::knownCells()
{
    QFETCH(const RopeTable *, table);
    QFETCH(int, row);
    QFETCH(int, grade);
    QFETCH(double, area);
    QFETCH(double, weight);
    QFETCH(int, total);
    QFETCH(int, rope);
    const std::size_t r = std::size_t(row);
    QVERIFY(table->rows[r].area == area);
    QVERIFY(table->rows[r].weight == weight);
    for (const Column &column : columnsOf(*table, r)) {
        if (column.grade == grade) {
            QCOMPARE(column.force.total, total);
            QCOMPARE(column.force.rope, rope);
            return;
        }
    }
    QFAIL("the row has no such grade");
}

QTEST_GUILESS_MAIN(TestTraditionalTables)
#include "tst_traditional_tables.moc"
