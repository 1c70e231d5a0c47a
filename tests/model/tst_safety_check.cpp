// The steps both checks share: the required factor of a purpose text, and the verdict from a
// breaking force, the force on the rope and the purpose.

#include "common/safety_check.h"
#include "tests/model/verdicts.h"

#include <QtTest>
#include <limits>
#include <optional>

Q_DECLARE_METATYPE(std::optional<double>)

class TestSafetyCheck : public QObject {
    Q_OBJECT

private slots:
    void requiredFactor_data();
    void requiredFactor();
    void verdict_data();
    void verdict();
};

void TestSafetyCheck::requiredFactor_data()
{
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<std::optional<double>>("factor");
    QTest::newRow("listed purpose") << "矿井提物7.5" << std::optional(7.5);
    QTest::newRow("purpose the standard list lacks") << "载人升降14" << std::optional(14.0);
    QTest::newRow("typed factor") << "8" << std::optional(8.0);
    QTest::newRow("typed factor with blanks") << " 8.5 " << std::optional(8.5);
    QTest::newRow("typed negative factor, taken as typed") << "-2" << std::optional(-2.0);
    QTest::newRow("empty") << "" << std::optional<double>();
    QTest::newRow("typed zero") << "0" << std::optional<double>();
    QTest::newRow("purpose with a leading blank") << " 缆绳3.5" << std::optional<double>();
    QTest::newRow("purpose with a trailing blank") << "缆绳3.5 " << std::optional<double>();
    QTest::newRow("decimal comma") << "3,5" << std::optional<double>();
    QTest::newRow("factor with a unit") << "8倍" << std::optional<double>();
    QTest::newRow("beyond the double range") << "1e999" << std::optional<double>();
    QTest::newRow("the word inf") << "inf" << std::optional<double>();
}

void TestSafetyCheck::requiredFactor()
{
    QFETCH(QString, purpose);
    QFETCH(std::optional<double>, factor);
    QVERIFY(common::requiredFactor(purpose.toStdString()) == factor);
}

void TestSafetyCheck::verdict_data()
{
    QTest::addColumn<std::optional<double>>("breaking");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QString>("expected");
    const std::optional<double> noRope;
    const std::optional<double> b1700 = 1700;

    // Messages come in the order force present, rope readable, force readable, purpose.
    QTest::newRow("no force outranks an unreadable rope") << noRope << ""
                                                          << "" << kForceVerdict;
    QTest::newRow("unreadable rope outranks a bad force") << noRope << "12kg"
                                                          << "" << kRopeVerdict;
    QTest::newRow("bad force outranks a missing purpose") << b1700 << "12kg"
                                                          << "" << kForceVerdict;
    QTest::newRow("missing purpose") << b1700 << "200"
                                     << "" << kPurposeVerdict;

    QTest::newRow("passes above the factor") << b1700 << "200"
                                             << "井架提升6"
                                             << "passed: 8.5";
    QTest::newRow("equal to the factor is too weak") << b1700 << "170"
                                                     << "绑扎绳10"
                                                     << "too weak";
    QTest::newRow("below the factor") << b1700 << "200"
                                      << "矿井提人9"
                                      << "too weak";
    QTest::newRow("negative force") << b1700 << "-200"
                                    << "井架提升6"
                                    << "too weak";
    QTest::newRow("zero breaking force") << std::optional(0.0) << "200"
                                         << "1"
                                         << "too weak";
    QTest::newRow("zero breaking force, negative factor") << std::optional(0.0) << "200"
                                                          << "-1"
                                                          << "passed: 0";
    QTest::newRow("tiny force, large factor") << b1700 << "1e-300"
                                              << "6"
                                              << "passed: 1.7E+303";
    QTest::newRow("quotient overflows") << b1700 << "1e-320"
                                        << "6" << kForceVerdict;
    QTest::newRow("largest breaking force, force below 1")
        << std::optional(std::numeric_limits<double>::max()) << "0.5"
        << "6" << kForceVerdict;
    QTest::newRow("force beyond the double range") << b1700 << "1e999"
                                                   << "6" << kForceVerdict;
}

void TestSafetyCheck::verdict()
{
    QFETCH(std::optional<double>, breaking);
    QFETCH(QString, force);
    QFETCH(QString, purpose);
    QFETCH(QString, expected);
    QCOMPARE(
        describe(common::judge(breaking, force.toStdString(), purpose.toStdString()), common::formatGeneral),
        expected);
}

QTEST_GUILESS_MAIN(TestSafetyCheck)
#include "tst_safety_check.moc"
