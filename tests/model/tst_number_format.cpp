#include "common/number_format.h"
#include "common/number_reading.h"

#include <QtTest>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Values of every magnitude: decimal mantissas over sixty decades, where both layouts and the
// thresholds between them lie, plus raw bit patterns reaching subnormals and the extremes.
std::vector<double> sampleValues()
{
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-30, 30);
    std::vector<double> values;
    while (values.size() < 3000) {
        const double value = mantissa(generator) * std::pow(10.0, decade(generator));
        values.push_back(values.size() % 2 ? -value : value);
    }
    while (values.size() < 4000) {
        const double value = std::bit_cast<double>(generator());
        if (std::isfinite(value))
            values.push_back(value);
    }
    return values;
}

// The double nearest to the value rounded to 15 significant digits.
double roundedTo15Digits(double value)
{
    std::array<char, 32> buffer {};
    const std::to_chars_result written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

} // namespace

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void formatGeneral_data();
    void formatGeneral();
    void formatTwoDecimals_data();
    void formatTwoDecimals();
    void generalReadsBackAs15Digits();
    void twoDecimalsShapeAndCloseness();
};

void TestNumberFormat::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("decimal") << 8.5 << QByteArray("8.5");
    QTest::addRow("whole number") << 10.0 << QByteArray("10");
    QTest::addRow("15th digit rounds up") << 1700.0 / 300 << QByteArray("5.66666666666667");
    QTest::addRow("15th digit rounds down") << 1 / 3.0 << QByteArray("0.333333333333333");
    QTest::addRow("binary noise dropped") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::addRow("trailing zeros dropped") << 19890.0 / 2000 << QByteArray("9.945");
    QTest::addRow("two decimals") << 14.32 << QByteArray("14.32");
    QTest::addRow("integer with zeros") << 112500.0 << QByteArray("112500");
    QTest::addRow("zero inside fraction") << 123.0456 << QByteArray("123.0456");
    QTest::addRow("rounding carries into a new digit") << 99.99999999999999 << QByteArray("100");
    QTest::addRow("zero") << 0.0 << QByteArray("0");
    QTest::addRow("negative zero") << -0.0 << QByteArray("0");
    QTest::addRow("negative fraction") << -0.25 << QByteArray("-0.25");
    QTest::addRow("negative integer") << -274.0 << QByteArray("-274");
    QTest::addRow("smallest fixed") << 0.0001 << QByteArray("0.0001");
    QTest::addRow("fraction with leading zeros") << 0.00123 << QByteArray("0.00123");
    QTest::addRow("just below 1E-04") << 0.00009999 << QByteArray("9.999E-05");
    QTest::addRow("rounds up to 1E-04") << 0.00009999999999999999 << QByteArray("0.0001");
    QTest::addRow("largest fixed") << 999999999999999.0 << QByteArray("999999999999999");
    QTest::addRow("1E+15") << 1e15 << QByteArray("1E+15");
    QTest::addRow("1E+16") << 1e16 << QByteArray("1E+16");
    QTest::addRow("rounding carries into the exponent") << 999999999999999.9 << QByteArray("1E+15");
    QTest::addRow("exponent form rounded") << 123456789012345678.0 << QByteArray("1.23456789012346E+17");
    QTest::addRow("negative small") << -1e-5 << QByteArray("-1E-05");
    QTest::addRow("small with decimals") << 1.5e-5 << QByteArray("1.5E-05");
    QTest::addRow("three exponent digits") << 1e-100 << QByteArray("1E-100");
    QTest::addRow("negative large") << -2.5e300 << QByteArray("-2.5E+300");
    QTest::addRow("largest double") << std::numeric_limits<double>::max()
                                    << QByteArray("1.79769313486232E+308");
    QTest::addRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << QByteArray("4.94065645841247E-324");
    QTest::addRow("infinity") << kInf << QByteArray("inf");
    QTest::addRow("negative infinity") << -kInf << QByteArray("-inf");
    QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN() << QByteArray("nan");
}

void TestNumberFormat::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(common::formatGeneral(value)), expected);
}

void TestNumberFormat::formatTwoDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("rounds up") << 11.9897959183673 << QByteArray("11.99");
    QTest::addRow("rounds down") << 15.430830039525691 << QByteArray("15.43");
    QTest::addRow("below half") << 5.884353741496599 << QByteArray("5.88");
    QTest::addRow("above half") << 7.549659863945578 << QByteArray("7.55");
    QTest::addRow("one decimal") << 12.5 << QByteArray("12.5");
    QTest::addRow("trailing zero dropped") << 100.10 << QByteArray("100.1");
    QTest::addRow("whole number") << 12.0 << QByteArray("12.");
    QTest::addRow("half below one") << 0.5 << QByteArray(".5");
    QTest::addRow("1.005 away from zero") << 1.005 << QByteArray("1.01");
    QTest::addRow("2.675 away from zero") << 2.675 << QByteArray("2.68");
    QTest::addRow("11.985 away from zero") << 11.985 << QByteArray("11.99");
    QTest::addRow("-1.005 away from zero") << -1.005 << QByteArray("-1.01");
    QTest::addRow("-2.675 away from zero") << -2.675 << QByteArray("-2.68");
    QTest::addRow("0.125 away from zero") << 0.125 << QByteArray(".13");
    QTest::addRow("carry into the integer") << 0.995 << QByteArray("1.");
    QTest::addRow("carry into a new digit") << 99.995 << QByteArray("100.");
    QTest::addRow("negative") << -3.14159 << QByteArray("-3.14");
    QTest::addRow("negative below one") << -0.5 << QByteArray("-.5");
    QTest::addRow("negative half hundredth") << -0.005 << QByteArray("-.01");
    QTest::addRow("half hundredth") << 0.005 << QByteArray(".01");
    QTest::addRow("below half hundredth") << 0.004 << QByteArray(".");
    QTest::addRow("negative rounds to zero") << -0.001 << QByteArray(".");
    QTest::addRow("zero") << 0.0 << QByteArray(".");
    QTest::addRow("negative zero") << -0.0 << QByteArray(".");
    QTest::addRow("tiny") << 1e-300 << QByteArray(".");
    QTest::addRow("wider than the pattern") << 123456789.123 << QByteArray("123456789.12");
    QTest::addRow("1e20") << 1e20 << QByteArray("100000000000000000000.");
    QTest::addRow("1e300") << 1e300 << QByteArray("1" + QByteArray(300, '0') + ".");
    QTest::addRow("infinity") << kInf << QByteArray("inf");
    QTest::addRow("negative infinity") << -kInf << QByteArray("-inf");
    QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN() << QByteArray("nan");
}

void TestNumberFormat::formatTwoDecimals()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(common::formatTwoDecimals(value)), expected);
}

void TestNumberFormat::generalReadsBackAs15Digits()
{
    for (const double value : sampleValues()) {
        const std::string text = common::formatGeneral(value);
        const std::optional<double> readBack = common::wholeNumber(text);
        QVERIFY2(readBack.has_value(), text.c_str());
        QVERIFY2(*readBack == roundedTo15Digits(value), text.c_str());
    }
}

void TestNumberFormat::twoDecimalsShapeAndCloseness()
{
    for (const double value : sampleValues()) {
        const std::string text = common::formatTwoDecimals(value);
        const std::size_t point = text.find('.');
        QVERIFY2(point != std::string::npos && text.find('.', point + 1) == std::string::npos, text.c_str());
        QVERIFY2(text.size() - point <= 3, text.c_str());
        if (std::abs(value) < 1e9) {
            // "." alone is the rounded zero.
            const double shown = text == "." ? 0.0 : common::wholeNumber(text).value_or(kInf);
            QVERIFY2(std::abs(shown - value) <= 0.00501, text.c_str());
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
