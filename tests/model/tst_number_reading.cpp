#include "common/number_reading.h"

#include <QtTest>
#include <limits>
#include <string_view>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string_view view(const QByteArray &bytes)
{
    return { bytes.constData(), std::size_t(bytes.size()) };
}

QByteArray repeated(char c, int count)
{
    return QByteArray(count, c);
}

// QCOMPARE compares doubles fuzzily (it even takes 0 for a subnormal), so results are compared
// with == and this message explains a mismatch.
QByteArray mismatch(double actual, double expected)
{
    return "read " + QByteArray::number(actual, 'g', 17) + ", expected "
        + QByteArray::number(expected, 'g', 17);
}

} // namespace

class TestNumberReading : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void wholeNumberAccepts_data();
    void wholeNumberAccepts();
    void wholeNumberRejects_data();
    void wholeNumberRejects();
};

void TestNumberReading::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("integer") << QByteArray("12") << 12.0;
    QTest::addRow("decimal") << QByteArray("8.5") << 8.5;
    QTest::addRow("leading point") << QByteArray(".5") << 0.5;
    QTest::addRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::addRow("point alone") << QByteArray(".") << 0.0;
    QTest::addRow("minus alone") << QByteArray("-") << 0.0;
    QTest::addRow("empty") << QByteArray() << 0.0;
    QTest::addRow("blanks only") << QByteArray(" \t\r\n") << 0.0;
    QTest::addRow("plus sign") << QByteArray("+7") << 7.0;
    QTest::addRow("leading zeros") << QByteArray("000123") << 123.0;
    QTest::addRow("blank as grouping") << QByteArray("1 000") << 1000.0;
    QTest::addRow("blanks around sign") << QByteArray(" - 5") << -5.0;
    QTest::addRow("tab CR LF inside") << QByteArray("1\t2\n.\r5") << 12.5;
    QTest::addRow("blanks in exponent") << QByteArray("2 e - 3") << 0.002;
    QTest::addRow("exponent then junk") << QByteArray("2e3x") << 2000.0;
    QTest::addRow("capital exponent") << QByteArray("1.5E-3") << 0.0015;
    QTest::addRow("exponent without digits") << QByteArray("1e") << 1.0;
    QTest::addRow("exponent sign without digits") << QByteArray("1e+") << 1.0;
    QTest::addRow("exponent with two signs") << QByteArray("1e--5") << 1.0;
    QTest::addRow("second exponent") << QByteArray("1e5e5") << 1e5;
    QTest::addRow("point in exponent") << QByteArray("1.5e3.5") << 1500.0;
    QTest::addRow("unit after number") << QByteArray("12kg") << 12.0;
    QTest::addRow("comma stops") << QByteArray("3,5") << 3.0;
    QTest::addRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::addRow("Chinese after number") << QByteArray("3.5米") << 3.5;
    QTest::addRow("NUL stops") << QByteArray("1\0"
                                             "2",
        3) << 1.0;
    QTest::addRow("letters") << QByteArray("abc") << 0.0;
    QTest::addRow("unit before number") << QByteArray("kg12") << 0.0;
    QTest::addRow("inf") << QByteArray("inf") << 0.0;
    QTest::addRow("nan") << QByteArray("nan") << 0.0;
    QTest::addRow("hexadecimal") << QByteArray("0x10") << 0.0;
    QTest::addRow("two minus signs") << QByteArray("--5") << 0.0;
    QTest::addRow("plus then minus") << QByteArray("+-5") << 0.0;
    QTest::addRow("full-width digits") << QByteArray("０１２") << 0.0;
    QTest::addRow("Chinese text") << QByteArray("缆绳") << 0.0;
    QTest::addRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
    QTest::addRow("1e999") << QByteArray("1e999") << kInf;
    QTest::addRow("-1e999") << QByteArray("-1e999") << -kInf;
    QTest::addRow("just above the largest double") << QByteArray("1.8e308") << kInf;
    QTest::addRow("largest double") << QByteArray("1.7976931348623157e308") << 1.7976931348623157e308;
    QTest::addRow("exponent beyond 64 bits") << QByteArray("1e99999999999999999999999") << kInf;
    QTest::addRow("negative exponent beyond 64 bits") << QByteArray("1e-99999999999999999999") << 0.0;
    QTest::addRow("1e-400") << QByteArray("1e-400") << 0.0;
    QTest::addRow("subnormal") << QByteArray("1e-320") << 1e-320;
    QTest::addRow("smallest subnormal") << QByteArray("4.9406564584124654e-324") << 4.9406564584124654e-324;
    QTest::addRow("tie rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::addRow("far digit breaks the tie")
        << QByteArray("9007199254740993." + repeated('0', 5000) + "1") << 9007199254740994.0;
    QTest::addRow("10,000 nines") << repeated('9', 10000) << kInf;
    QTest::addRow("10,000 junk characters") << repeated('x', 10000) << 0.0;
    QTest::addRow("number then 10,000 junk") << QByteArray("12" + repeated('x', 10000)) << 12.0;
    QTest::addRow("10,000 zeros then one") << QByteArray(repeated('0', 10000) + "1") << 1.0;
    QTest::addRow("10,000 blanks inside") << QByteArray("1" + repeated(' ', 10000) + "5") << 15.0;
    QTest::addRow("long fraction underflows") << QByteArray("0." + repeated('0', 10000) + "1") << 0.0;
    QTest::addRow("long fraction, large exponent")
        << QByteArray("0." + repeated('0', 9999) + "1e10005") << 1e5;
    QTest::addRow("exponent of 5,000 digits") << QByteArray("1e" + repeated('0', 5000) + "5") << 1e5;
    QTest::addRow("negative exponent of 5,000 digits") << QByteArray("5e-" + repeated('9', 5000)) << 0.0;
}

void TestNumberReading::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double actual = common::leadingNumber(view(text));
    QVERIFY2(actual == expected, mismatch(actual, expected).constData());
}

void TestNumberReading::wholeNumberAccepts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("integer") << QByteArray("12") << 12.0;
    QTest::addRow("spaces around") << QByteArray(" 12 ") << 12.0;
    QTest::addRow("tab CR LF around") << QByteArray("\t12\r\n") << 12.0;
    QTest::addRow("plus sign") << QByteArray("+1.5") << 1.5;
    QTest::addRow("negative fraction") << QByteArray("-0.5") << -0.5;
    QTest::addRow("leading point") << QByteArray(".5") << 0.5;
    QTest::addRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::addRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::addRow("capital negative exponent") << QByteArray("1E-3") << 0.001;
    QTest::addRow("negative zero") << QByteArray("-0") << 0.0;
    QTest::addRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
    QTest::addRow("too small becomes zero") << QByteArray("1e-400") << 0.0;
    QTest::addRow("subnormal") << QByteArray("1e-320") << 1e-320;
    QTest::addRow("largest double") << QByteArray("1.7976931348623157e308") << 1.7976931348623157e308;
    // The point sits 100,000 places away, so a capped exponent must still add up exactly.
    QTest::addRow("100,000-place fraction, large exponent")
        << QByteArray("0." + repeated('0', 100000) + "1e100001") << 1.0;
}

void TestNumberReading::wholeNumberAccepts()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const std::optional<double> actual = common::wholeNumber(view(text));
    QVERIFY(actual.has_value());
    QVERIFY2(*actual == expected, mismatch(*actual, expected).constData());
}

void TestNumberReading::wholeNumberRejects_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::addRow("empty") << QByteArray();
    QTest::addRow("blanks only") << QByteArray("  ");
    QTest::addRow("point alone") << QByteArray(".");
    QTest::addRow("sign alone") << QByteArray("-");
    QTest::addRow("unit") << QByteArray("12kg");
    QTest::addRow("blank then unit") << QByteArray("12 kg");
    QTest::addRow("comma") << QByteArray("3,5");
    QTest::addRow("blank inside") << QByteArray("1 2");
    QTest::addRow("blank after sign") << QByteArray("- 1");
    QTest::addRow("blank before exponent") << QByteArray("1 e3");
    QTest::addRow("exponent without digits") << QByteArray("1e");
    QTest::addRow("exponent sign without digits") << QByteArray("1e+");
    QTest::addRow("exponent alone") << QByteArray("e5");
    QTest::addRow("inf") << QByteArray("inf");
    QTest::addRow("nan") << QByteArray("nan");
    QTest::addRow("hexadecimal") << QByteArray("0x10");
    QTest::addRow("two points") << QByteArray("1.2.3");
    QTest::addRow("two minus signs") << QByteArray("--1");
    QTest::addRow("full-width digits") << QByteArray("１２");
    QTest::addRow("trailing NUL") << QByteArray("12\0", 3);
    QTest::addRow("overflow") << QByteArray("1e999");
    QTest::addRow("negative overflow") << QByteArray("-1e999");
    QTest::addRow("400-digit integer") << QByteArray("1" + repeated('0', 399));
}

void TestNumberReading::wholeNumberRejects()
{
    QFETCH(QByteArray, text);
    const std::optional<double> actual = common::wholeNumber(view(text));
    QVERIFY2(
        !actual.has_value(), ("accepted as " + QByteArray::number(actual.value_or(0), 'g', 17)).constData());
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_number_reading.moc"
