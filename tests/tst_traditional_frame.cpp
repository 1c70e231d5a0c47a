// The traditional frame used as a person uses it, with real clicks and typing on the offscreen
// platform: grade and diameter picks fill the read-outs, "计  算" answers with a factor, the
// red warning or one message, and every change of an input empties the result at once.

#include "result_boxes.h"
#include "widget_actions.h"
#include "window_fixture.h"

#include <QtTest>

namespace {

const QString kNone = QStringLiteral("无此型号");

constexpr int kNoGrade = 0; // no grade button clicked; otherwise the option's number, 5 to 9

} // namespace

class TestTraditionalFrame : public WindowFixture {
    Q_OBJECT

private:
    QStringList readouts() const
    {
        return { text(1)->text(), text(2)->text(), text(3)->text(), text(4)->text() };
    }
    QColor resultColour() const { return background(text(6)); }

    // Grade (when given) and diameter, as a user picks them.
    bool chooseRope(int gradeOption, int list, int row)
    {
        if (gradeOption != kNoGrade)
            QTest::mouseClick(option(gradeOption), Qt::LeftButton);
        return actions::pickWithKeyboard(combo(list), row);
    }

    static void retype(QWidget *widget, const QString &typed) { actions::retype(widget, typed); }
    QStringList calculate() const { return actions::pressShowingMessages(controls().command(1)); }

    // A rope of breaking force 1700 (6x19 φ6.2 at 140) with force and purpose typed.
    bool prepare1700(const QString &force, const QString &purpose)
    {
        if (!chooseRope(5, 1, 0))
            return false;
        retype(text(5), force);
        retype(combo(5)->lineEdit(), purpose);
        return text(4)->text() == QStringLiteral("1700");
    }

private slots:
    void init();
    void oneCalculationByClicksAndTyping();
    void lookup_data();
    void lookup();
    void lookupWithoutGradeLeavesForces();
    void sameItemTwice();
    void typingADiameterIsNoPick();
    void gradePickEmptiesListsAndReadouts();
    void gradePickWhitensResultOnly();
    void results_data();
    void results();
    void messages_data();
    void messages();
    void windowStaysUsableAfterAMessage();
    void changedInputEmptiesResult_data();
    void changedInputEmptiesResult();
    void resultBoxIsNeverRead();
};

void TestTraditionalFrame::init()
{
    QVERIFY(openWindow());
}

// Grade 155, φ20.0 by mouse, force 2000 typed, "井架提升6" picked: 19890 / 2000 = 9.945 > 6.
void TestTraditionalFrame::oneCalculationByClicksAndTyping()
{
    QTest::mouseClick(option(1), Qt::LeftButton);
    QTest::mouseClick(option(6), Qt::LeftButton);
    QVERIFY(actions::pickWithMouse(combo(1), 9));
    QCOMPARE(readouts(), (QStringList { "151.24", "142.9", "23400", "19890" }));
    actions::type(text(5), QStringLiteral("2000"));
    QVERIFY(actions::pickWithMouse(combo(5), 2));
    QCOMPARE(combo(5)->currentText(), QStringLiteral("井架提升6"));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(text(6)->text(), QStringLiteral("9.945"));
    QCOMPARE(resultColour(), kWhite);
}

void TestTraditionalFrame::lookup_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("140, 6x19 φ6.2") << 5 << 1 << 0 << QStringList { "14.32", "13.53", "2000", "1700" };
    QTest::newRow("no grade, 6x37 φ65.0")
        << kNoGrade << 2 << 20 << QStringList { "1568.43", "1474.3", "", "" };
    QTest::newRow("200, 6x19 φ31.0") << 9 << 1 << 15 << QStringList { "357.96", "338.3", "71550", "60800" };
    for (int row = 16; row <= 20; ++row) {
        QTest::addRow("200, 6x19 row %d", row) << 9 << 1 << row << QStringList { kNone, kNone, kNone, kNone };
        QTest::addRow("200, 6x37 row %d", row) << 9 << 2 << row << QStringList { kNone, kNone, kNone, kNone };
    }
    QTest::newRow("200, 6x61 φ50.0") << 9 << 3 << 14 << QStringList { "930.88", "875", "229500", "183600" };
    QTest::newRow("200, 6x61 φ55.5") << 9 << 3 << 15 << QStringList { kNone, kNone, kNone, kNone };
    QTest::newRow("185, 6x19 φ28.0") << 8 << 1 << 14 << QStringList { "289.95", "274", "53600", "45600" };
    QTest::newRow("185, 6x37 φ39.0") << 8 << 2 << 14 << QStringList { "564.63", "530.8", "104000", "85250" };
    QTest::newRow("200, 6x61 φ36.0") << 9 << 3 << 9 << QStringList { "485.55", "456.4", "97100", "77680" };
    QTest::newRow("170, 6x61 φ83.0") << 7 << 3 << 20
                                     << QStringList { "2585.79", "2430.6", "439500", "331600" };
}

// A pick empties the result first; writing the breaking force then runs Text4_Change nested.
void TestTraditionalFrame::lookup()
{
    QFETCH(int, grade);
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QStringList, shown);
    if (grade != kNoGrade)
        QTest::mouseClick(option(grade), Qt::LeftButton);
    m_form->log.clear();
    QVERIFY(actions::pickWithKeyboard(combo(list), row));
    QCOMPARE(readouts(), shown);
    QCOMPARE(text(6)->text(), QString());
    QCOMPARE(resultColour(), kWhite);
    QStringList expectedLog { QStringLiteral("Combo%1_Click").arg(list) };
    if (!shown.at(3).isEmpty())
        expectedLog << "Text4_Change";
    QCOMPARE(m_form->log, expectedLog);
}

// Without a grade the breaking forces are not written, whatever the boxes held.
void TestTraditionalFrame::lookupWithoutGradeLeavesForces()
{
    text(3)->setText(QStringLiteral("left"));
    text(4)->setText(QStringLiteral("alone"));
    QVERIFY(actions::pickWithKeyboard(combo(3), 4));
    QCOMPARE(readouts(), (QStringList { "183.88", "172.8", "left", "alone" }));
}

// Picking the same item again gives the same read-outs and still empties a shown result,
// though Text4 keeps its text and so runs no change handler.
void TestTraditionalFrame::sameItemTwice()
{
    QVERIFY(prepare1700(QStringLiteral("170"), QStringLiteral("绑扎绳10")));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(resultColour(), kRed);
    const QStringList first = readouts();
    m_form->log.clear();
    QVERIFY(actions::pickWithKeyboard(combo(1), 0));
    QCOMPARE(readouts(), first);
    QCOMPARE(m_form->log, QStringList { "Combo1_Click" });
    QCOMPARE(text(6)->text(), QString());
    QCOMPARE(resultColour(), kWhite);
}

// Typing an item's text into a diameter list and pressing Enter or leaving looks nothing up.
void TestTraditionalFrame::typingADiameterIsNoPick()
{
    QVERIFY(prepare1700(QStringLiteral("200"), QStringLiteral("井架提升6")));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(text(6)->text(), QStringLiteral("8.5"));
    m_form->log.clear();
    combo(1)->setFocus();
    retype(combo(1)->lineEdit(), QStringLiteral("φ46.0"));
    QTest::keyClick(combo(1), Qt::Key_Return);
    text(5)->setFocus();
    QCOMPARE(m_form->log, QStringList());
    QCOMPARE(readouts(), (QStringList { "14.32", "13.53", "2000", "1700" }));
    QCOMPARE(text(6)->text(), QStringLiteral("8.5"));
}

// A grade pick whitens the result box but does not empty it itself: with no breaking force
// shown, nothing else empties it either.
void TestTraditionalFrame::gradePickWhitensResultOnly()
{
    QPalette grey = text(6)->palette();
    grey.setColor(QPalette::Base, QColor(200, 200, 200));
    text(6)->setPalette(grey);
    actions::type(text(6), QStringLiteral("x"));
    QTest::mouseClick(option(7), Qt::LeftButton);
    QCOMPARE(text(6)->text(), QStringLiteral("x"));
    QCOMPARE(resultColour(), kWhite);
}

// A new grade means a new rope: lists and read-outs empty, the result empty and white; the
// force and the purpose stay as typed.
void TestTraditionalFrame::gradePickEmptiesListsAndReadouts()
{
    QVERIFY(prepare1700(QStringLiteral("170"), QStringLiteral("绑扎绳10")));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(resultColour(), kRed);
    m_form->log.clear();
    QTest::mouseClick(option(8), Qt::LeftButton);
    QCOMPARE(m_form->log, (QStringList { "Option8_Click", "Text4_Change" }));
    for (int list = 1; list <= 4; ++list) {
        QCOMPARE(combo(list)->currentIndex(), -1);
        QCOMPARE(combo(list)->currentText(), QString());
    }
    QCOMPARE(readouts(), (QStringList { "", "", "", "" }));
    QCOMPARE(text(6)->text(), QString());
    QCOMPARE(resultColour(), kWhite);
    QCOMPARE(text(5)->text(), QStringLiteral("170"));
    QCOMPARE(combo(5)->currentText(), QStringLiteral("绑扎绳10"));
}

void TestTraditionalFrame::results_data()
{
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("purpose");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("equal to the factor fails") << "170"
                                               << "绑扎绳10" << kTooWeak << kRed;
    QTest::newRow("8.5 is not above 9") << "200"
                                        << "矿井提人9" << kTooWeak << kRed;
    QTest::newRow("8.5 is above 6") << "200"
                                    << "井架提升6"
                                    << "8.5" << kWhite;
    QTest::newRow("typed factor 8") << "200"
                                    << "8"
                                    << "8.5" << kWhite;
    QTest::newRow("whole quotient") << "170"
                                    << "8"
                                    << "10" << kWhite;
    QTest::newRow("15 significant digits") << "300"
                                           << "5"
                                           << "5.66666666666667" << kWhite;
    QTest::newRow("negative force") << "-200"
                                    << "井架提升6" << kTooWeak << kRed;
    QTest::newRow("passenger lift, not in the list") << "100"
                                                     << "载人升降14"
                                                     << "17" << kWhite;
}

// Breaking force 1700 against typed forces and purposes; pressing again repeats the outcome.
void TestTraditionalFrame::results()
{
    QFETCH(QString, force);
    QFETCH(QString, purpose);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    QVERIFY(prepare1700(force, purpose));
    for (int press = 0; press < 2; ++press) {
        QCOMPARE(calculate(), QStringList());
        QCOMPARE(text(6)->text(), shown);
        QCOMPARE(resultColour(), colour);
    }
}

void TestTraditionalFrame::messages_data()
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

// Exactly one message, the first that applies, and every box keeps what it held, the
// result box included (here it holds what the user typed into it).
void TestTraditionalFrame::messages()
{
    QFETCH(int, grade);
    QFETCH(int, row);
    QFETCH(QString, force);
    QFETCH(QString, purpose);
    QFETCH(QString, message);
    if (grade != kNoGrade)
        QTest::mouseClick(option(grade), Qt::LeftButton);
    if (row >= 0)
        QVERIFY(actions::pickWithKeyboard(combo(1), row));
    retype(text(5), force);
    retype(combo(5)->lineEdit(), purpose);
    actions::type(text(6), QStringLiteral("typed"));
    const QStringList before = readouts() << text(5)->text() << combo(5)->currentText() << text(6)->text();
    QCOMPARE(calculate(), QStringList { message });
    QCOMPARE(readouts() << text(5)->text() << combo(5)->currentText() << text(6)->text(), before);
    QCOMPARE(resultColour(), kWhite);
}

void TestTraditionalFrame::windowStaysUsableAfterAMessage()
{
    QVERIFY(prepare1700(QStringLiteral("12kg"), QStringLiteral("井架提升6")));
    QCOMPARE(calculate(), QStringList { kForceMessage });
    retype(text(5), QStringLiteral("200"));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(text(6)->text(), QStringLiteral("8.5"));
}

void TestTraditionalFrame::changedInputEmptiesResult_data()
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
void TestTraditionalFrame::changedInputEmptiesResult()
{
    QFETCH(QString, change);
    QFETCH(QString, handler);
    QVERIFY(prepare1700(QStringLiteral("170"), QStringLiteral("绑扎绳10")));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(text(6)->text(), kTooWeak);
    m_form->log.clear();
    if (change == "pick purpose")
        QVERIFY(actions::pickWithKeyboard(combo(5), 0));
    else if (change == "type purpose")
        actions::type(combo(5)->lineEdit(), QStringLiteral(" "));
    else if (change == "type force")
        actions::type(text(5), QStringLiteral("0"));
    else
        QVERIFY(actions::pickWithKeyboard(combo(1), 1));
    QVERIFY(m_form->log.contains(handler));
    QCOMPARE(text(6)->text(), QString());
    QCOMPARE(resultColour(), kWhite);
}

// What the user types into the result box changes no check; the next result replaces it.
void TestTraditionalFrame::resultBoxIsNeverRead()
{
    QVERIFY(prepare1700(QStringLiteral("200"), QStringLiteral("井架提升6")));
    actions::type(text(6), QStringLiteral("99"));
    QCOMPARE(calculate(), QStringList());
    QCOMPARE(text(6)->text(), QStringLiteral("8.5"));
}

QTEST_MAIN(TestTraditionalFrame)
#include "tst_traditional_frame.moc"
