// The traditional frame as a person uses it: grade and diameter picks fill the read-outs,
// "计  算" answers with a factor, the red warning or one message, and every change of an input
// empties the result at once.

#include "tests/model/model_window.h"

#include <QTest>

namespace {

using app::testing::numbers;

const QString kNone = QStringLiteral("无此型号");
const QString kTooWeak = ModelWindow::qt(common::kTooWeakText);
const QString kRopeMessage = ModelWindow::qt(common::kChooseRopeMessage);
const QString kForceMessage = ModelWindow::qt(common::kEnterForceMessage);
const QString kPurposeMessage = ModelWindow::qt(common::kChoosePurposeMessage);

constexpr int kNoGrade = 0; // no grade button selected; otherwise the option's number, 5 to 9

QStringList readouts(const ModelWindow &w)
{
    return { w.text(1), w.text(2), w.text(3), w.text(4) };
}

// A rope of breaking force 1700 (6x19 φ6.2 at 140) with force and purpose typed.
bool prepare1700(ModelWindow &w, const QString &force, const QString &purpose)
{
    w.select(5);
    w.pick(1, 0);
    w.typeText(5, force);
    w.typeList(5, purpose);
    return w.text(4) == QStringLiteral("1700");
}

} // namespace

class TestTraditionalFrame : public QObject {
    Q_OBJECT

private slots:
    // Grade 155, φ20.0, force 2000 typed, "井架提升6" picked: 19890 / 2000 = 9.945 > 6.
    void oneCalculation()
    {
        ModelWindow w;
        w.select(1);
        w.select(6);
        w.pick(1, 9);
        QCOMPARE(readouts(w), (QStringList { "151.24", "142.9", "23400", "19890" }));
        w.typeText(5, QStringLiteral("2000"));
        w.pick(5, 2);
        QCOMPARE(w.listText(5), QStringLiteral("井架提升6"));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.text(6), QStringLiteral("9.945"));
        QCOMPARE(w.colour(6), QStringLiteral("white"));
    }

    void lookup_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("shown");
        const QStringList none { kNone, kNone, kNone, kNone };
        QTest::newRow("140, 6x19 φ6.2") << 5 << 1 << 0 << QStringList { "14.32", "13.53", "2000", "1700" };
        QTest::newRow("no grade, 6x37 φ65.0")
            << kNoGrade << 2 << 20 << QStringList { "1568.43", "1474.3", "", "" };
        QTest::newRow("200, 6x19 φ31.0")
            << 9 << 1 << 15 << QStringList { "357.96", "338.3", "71550", "60800" };
        for (int row = 16; row <= 20; ++row) {
            QTest::addRow("200, 6x19 row %d", row) << 9 << 1 << row << none;
            QTest::addRow("200, 6x37 row %d", row) << 9 << 2 << row << none;
        }
        QTest::newRow("200, 6x61 φ50.0")
            << 9 << 3 << 14 << QStringList { "930.88", "875", "186000", "148800" };
        QTest::newRow("200, 6x61 φ55.5") << 9 << 3 << 15 << none;
        QTest::newRow("185, 6x19 φ28.0") << 8 << 1 << 14 << QStringList { "289.95", "274", "53600", "45600" };
        QTest::newRow("185, 6x37 φ39.0")
            << 8 << 2 << 14 << QStringList { "564.63", "530.8", "104000", "85250" };
        QTest::newRow("200, 6x61 φ36.0")
            << 9 << 3 << 9 << QStringList { "485.55", "456.4", "97100", "77680" };
        QTest::newRow("170, 6x61 φ83.0")
            << 7 << 3 << 20 << QStringList { "2585.79", "2430.6", "439500", "331600" };
    }

    // A pick empties the result first; writing the breaking force then runs Text4_Change nested.
    void lookup()
    {
        QFETCH(int, grade);
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QStringList, shown);
        ModelWindow w;
        if (grade != kNoGrade)
            w.select(grade);
        w.log.clear();
        w.pick(list, row);
        QCOMPARE(readouts(w), shown);
        QCOMPARE(w.text(6), QString());
        QCOMPARE(w.colour(6), QStringLiteral("white"));
        QStringList expectedLog { QStringLiteral("Combo%1_Click").arg(list) };
        if (!shown.at(3).isEmpty())
            expectedLog << "Text4_Change";
        QCOMPARE(w.log, expectedLog);
    }

    // Without a grade the breaking forces are not written, whatever the boxes held.
    void lookupWithoutGradeLeavesForces()
    {
        ModelWindow w;
        w.presetText(app::text(3), "left");
        w.presetText(app::text(4), "alone");
        w.pick(3, 4);
        QCOMPARE(readouts(w), (QStringList { "183.88", "172.8", "left", "alone" }));
    }

    // Picking the same item again gives the same read-outs and still empties a shown result,
    // though Text4 keeps its text and so runs no change handler.
    void sameItemTwice()
    {
        ModelWindow w;
        QVERIFY(prepare1700(w, QStringLiteral("170"), QStringLiteral("绑扎绳10")));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.colour(6), QStringLiteral("red"));
        const QStringList first = readouts(w);
        w.log.clear();
        w.pick(1, 0);
        QCOMPARE(readouts(w), first);
        QCOMPARE(w.log, QStringList { "Combo1_Click" });
        QCOMPARE(w.text(6), QString());
        QCOMPARE(w.colour(6), QStringLiteral("white"));
    }

    // Typing an item's text into a diameter list looks nothing up.
    void typingADiameterIsNoPick()
    {
        ModelWindow w;
        QVERIFY(prepare1700(w, QStringLiteral("200"), QStringLiteral("井架提升6")));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.text(6), QStringLiteral("8.5"));
        w.log.clear();
        w.typeList(1, QStringLiteral("φ46.0"));
        QCOMPARE(w.log, QStringList());
        QCOMPARE(readouts(w), (QStringList { "14.32", "13.53", "2000", "1700" }));
        QCOMPARE(w.text(6), QStringLiteral("8.5"));
    }

    // A grade pick whitens the result box but does not empty it itself: with no breaking force
    // shown, nothing else empties it either.
    void gradePickWhitensResultOnly()
    {
        ModelWindow w;
        w.presetText(app::text(6), "x");
        w.preset(app::text(6), [](app::ControlState &box) {
            box.background = common::Rgb { 200, 200, 200 };
        });
        w.select(7);
        QCOMPARE(w.text(6), QStringLiteral("x"));
        QCOMPARE(w.colour(6), QStringLiteral("white"));
    }

    // A new grade means a new rope: lists and read-outs empty, the result empty and white; the
    // force and the purpose stay as typed.
    void gradePickEmptiesListsAndReadouts()
    {
        ModelWindow w;
        QVERIFY(prepare1700(w, QStringLiteral("170"), QStringLiteral("绑扎绳10")));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.colour(6), QStringLiteral("red"));
        w.log.clear();
        w.select(8);
        QCOMPARE(w.log, (QStringList { "Option8_Click", "Text4_Change" }));
        for (int list : numbers(app::kTraditionalDiameterLists)) {
            QCOMPARE(w.item(list), -1);
            QCOMPARE(w.listText(list), QString());
        }
        QCOMPARE(readouts(w), QStringList(4, QString()));
        QCOMPARE(w.text(6), QString());
        QCOMPARE(w.colour(6), QStringLiteral("white"));
        QCOMPARE(w.text(5), QStringLiteral("170"));
        QCOMPARE(w.listText(5), QStringLiteral("绑扎绳10"));
    }

    void results_data()
    {
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("shown");
        QTest::newRow("equal to the factor fails") << "170"
                                                   << "绑扎绳10" << kTooWeak;
        QTest::newRow("8.5 is not above 9") << "200"
                                            << "矿井提人9" << kTooWeak;
        QTest::newRow("8.5 is above 6") << "200"
                                        << "井架提升6"
                                        << "8.5";
        QTest::newRow("typed factor 8") << "200"
                                        << "8"
                                        << "8.5";
        QTest::newRow("whole quotient") << "170"
                                        << "8"
                                        << "10";
        QTest::newRow("15 significant digits") << "300"
                                               << "5"
                                               << "5.66666666666667";
        QTest::newRow("negative force") << "-200"
                                        << "井架提升6" << kTooWeak;
        QTest::newRow("passenger lift, not in the list") << "100"
                                                         << "载人升降14"
                                                         << "17";
    }

    // Breaking force 1700 against typed forces and purposes; pressing again repeats the outcome.
    // What the user typed into the result box is read by nothing: the result replaces it.
    void results()
    {
        QFETCH(QString, force);
        QFETCH(QString, purpose);
        QFETCH(QString, shown);
        ModelWindow w;
        QVERIFY(prepare1700(w, force, purpose));
        w.typeText(6, QStringLiteral("99"));
        for (int press = 0; press < 2; ++press) {
            QCOMPARE(w.press(1), QStringList());
            QCOMPARE(w.text(6), shown);
            QCOMPARE(w.colour(6), shown == kTooWeak ? QStringLiteral("red") : QStringLiteral("white"));
        }
    }

    void messages_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("row"); // in Combo1; -1: no diameter picked
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing chosen") << kNoGrade << -1 << ""
                                        << "" << kRopeMessage;
        QTest::newRow("diameter without grade") << kNoGrade << 0 << "2000"
                                                << "井架提升6" << kRopeMessage;
        QTest::newRow("no such model") << 9 << 18 << "2000"
                                       << "井架提升6" << kRopeMessage;
        QTest::newRow("no force") << 5 << 0 << ""
                                  << "" << kForceMessage;
        QTest::newRow("force 0") << 5 << 0 << "0"
                                 << "井架提升6" << kForceMessage;
        QTest::newRow("force in full-width digits") << 5 << 0 << "２０００"
                                                    << "井架提升6" << kForceMessage;
        QTest::newRow("force with a unit") << 5 << 0 << "12kg"
                                           << "井架提升6" << kForceMessage;
        QTest::newRow("force overflowing the quotient") << 5 << 0 << "1e-320"
                                                        << "井架提升6" << kForceMessage;
        QTest::newRow("no purpose") << 5 << 0 << "200"
                                    << "" << kPurposeMessage;
        QTest::newRow("typed factor 0") << 5 << 0 << "200"
                                        << "0" << kPurposeMessage;
        QTest::newRow("purpose after a blank") << 5 << 0 << "200"
                                               << " 缆绳3.5" << kPurposeMessage;
        QTest::newRow("factor with a decimal comma") << 5 << 0 << "200"
                                                     << "3,5" << kPurposeMessage;
    }

    // Exactly one message, the first that applies, and every box keeps what it held, the red
    // result included.
    void messages()
    {
        QFETCH(int, grade);
        QFETCH(int, row);
        QFETCH(QString, force);
        QFETCH(QString, purpose);
        QFETCH(QString, message);
        ModelWindow w;
        if (grade != kNoGrade)
            w.select(grade);
        if (row >= 0)
            w.pick(1, row);
        w.typeText(5, force);
        w.typeList(5, purpose);
        w.presetWarning(6);
        const QStringList before = readouts(w) << w.text(5) << w.listText(5);
        QCOMPARE(w.press(1), QStringList { message });
        QCOMPARE(readouts(w) << w.text(5) << w.listText(5), before);
        QCOMPARE(w.text(6), kTooWeak);
        QCOMPARE(w.colour(6), QStringLiteral("red"));
    }

    // A message ends the check: the window takes the next input and check.
    void usableAfterAMessage()
    {
        ModelWindow w;
        QVERIFY(prepare1700(w, QStringLiteral("12kg"), QStringLiteral("井架提升6")));
        QCOMPARE(w.press(1), QStringList { kForceMessage });
        w.typeText(5, QStringLiteral("200"));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.text(6), QStringLiteral("8.5"));
    }

    void changedInputEmptiesResult_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("handler");
        QTest::newRow("purpose picked") << "pick purpose"
                                        << "Combo5_Click";
        QTest::newRow("purpose typed") << "type purpose"
                                       << "Combo5_Change";
        QTest::newRow("force edited") << "type force"
                                      << "Text5_Change";
        QTest::newRow("new diameter") << "pick diameter"
                                      << "Text4_Change";
    }

    // After a red warning, each change runs its reset at once: empty and white before any check.
    void changedInputEmptiesResult()
    {
        QFETCH(QString, change);
        QFETCH(QString, handler);
        ModelWindow w;
        QVERIFY(prepare1700(w, QStringLiteral("170"), QStringLiteral("绑扎绳10")));
        QCOMPARE(w.press(1), QStringList());
        QCOMPARE(w.text(6), kTooWeak);
        w.log.clear();
        if (change == "pick purpose")
            w.pick(5, 0);
        else if (change == "type purpose")
            w.typeList(5, QStringLiteral("绑扎绳10 "));
        else if (change == "type force")
            w.typeText(5, QStringLiteral("1700"));
        else
            w.pick(1, 1);
        QVERIFY2(w.log.contains(handler), qPrintable(w.log.join(' ')));
        QCOMPARE(w.text(6), QString());
        QCOMPARE(w.colour(6), QStringLiteral("white"));
    }
};

QTEST_GUILESS_MAIN(TestTraditionalFrame)
#include "tst_traditional_frame.moc"
