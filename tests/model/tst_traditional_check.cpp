// The traditional "计  算" on the texts of its three boxes: the read-out's breaking force, the
// typed force and the purpose, with the result in the general number format.

#include "tests/model/verdicts.h"
#include "traditional/check.h"

#include <QtTest>

class TestTraditionalCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data();
    void check();
};

void TestTraditionalCheck::check_data()
{
    QTest::addColumn<QString>("breaking");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one calculation") << "19890"
                                     << "2000"
                                     << "井架提升6"
                                     << "passed: 9.945";

    // Only the first failing test is reported.
    QTest::newRow("nothing entered") << ""
                                     << ""
                                     << "" << kRopeVerdict;
    QTest::newRow("no rope looked up") << ""
                                       << "2000"
                                       << "井架提升6" << kRopeVerdict;
    QTest::newRow("no such model") << "无此型号"
                                   << "2000"
                                   << "井架提升6" << kRopeVerdict;
    QTest::newRow("no force") << "1700"
                              << ""
                              << "" << kForceVerdict;
    QTest::newRow("force 0") << "1700"
                             << "0"
                             << "井架提升6" << kForceVerdict;
    QTest::newRow("force -0") << "1700"
                              << "-0"
                              << "井架提升6" << kForceVerdict;
    QTest::newRow("force in words") << "1700"
                                    << "两吨"
                                    << "井架提升6" << kForceVerdict;
    QTest::newRow("force in full-width digits") << "1700"
                                                << "２０００"
                                                << "井架提升6" << kForceVerdict;
    QTest::newRow("no purpose") << "1700"
                                << "200"
                                << "" << kPurposeVerdict;
    QTest::newRow("typed factor 0") << "1700"
                                    << "200"
                                    << "0" << kPurposeVerdict;
    QTest::newRow("purpose with a leading blank") << "1700"
                                                  << "200"
                                                  << " 缆绳3.5" << kPurposeVerdict;
    QTest::newRow("purpose with something added") << "1700"
                                                  << "200"
                                                  << "缆绳3.5米" << kPurposeVerdict;

    // Text the whole-text conversion cannot take gets the message of its box.
    QTest::newRow("force with a unit") << "1700"
                                       << "12kg"
                                       << "井架提升6" << kForceVerdict;
    QTest::newRow("force with a decimal comma") << "1700"
                                                << "2,5"
                                                << "井架提升6" << kForceVerdict;
    QTest::newRow("factor with a decimal comma") << "1700"
                                                 << "200"
                                                 << "3,5" << kPurposeVerdict;
    QTest::newRow("force so small the quotient overflows") << "1700"
                                                           << "1e-320"
                                                           << "井架提升6" << kForceVerdict;
    QTest::newRow("force beyond the double range") << "1700"
                                                   << "1e999"
                                                   << "井架提升6" << kForceVerdict;

    QTest::newRow("equal to the factor") << "1700"
                                         << "170"
                                         << "绑扎绳10"
                                         << "too weak";
    QTest::newRow("8.5 is below 9") << "1700"
                                    << "200"
                                    << "矿井提人9"
                                    << "too weak";
    QTest::newRow("8.5 is above 6") << "1700"
                                    << "200"
                                    << "井架提升6"
                                    << "passed: 8.5";
    QTest::newRow("typed factor 8") << "1700"
                                    << "200"
                                    << "8"
                                    << "passed: 8.5";
    QTest::newRow("whole quotient") << "1700"
                                    << "170"
                                    << "8"
                                    << "passed: 10";
    QTest::newRow("15 significant digits") << "1700"
                                           << "300"
                                           << "5"
                                           << "passed: 5.66666666666667";
    QTest::newRow("negative force") << "1700"
                                    << "-200"
                                    << "井架提升6"
                                    << "too weak";
    QTest::newRow("force with blanks around it") << "19890"
                                                 << " 2000 "
                                                 << "井架提升6"
                                                 << "passed: 9.945";
    QTest::newRow("passenger lift, typed") << "1700"
                                           << "100"
                                           << "载人升降14"
                                           << "passed: 17";
    QTest::newRow("tiny force") << "1700"
                                << "1e-300"
                                << "井架提升6"
                                << "passed: 1.7E+303";
}

void TestTraditionalCheck::check()
{
    QFETCH(QString, breaking);
    QFETCH(QString, force);
    QFETCH(QString, purpose);
    QFETCH(QString, expected);
    const common::Verdict verdict
        = traditional::check(breaking.toStdString(), force.toStdString(), purpose.toStdString());
    QCOMPARE(describe(verdict, common::formatGeneral), expected);
}

QTEST_GUILESS_MAIN(TestTraditionalCheck)
#include "tst_traditional_check.moc"
