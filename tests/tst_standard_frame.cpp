// The standard frame used as a person uses it, with real clicks and typing on the offscreen
// platform: class, core and grade buttons and a diameter pick fill the read-outs, "计  算"
// answers with a factor, the red warning or one message, and every change of an input of the
// check empties the result at once.

#include "result_boxes.h"
#include "widget_actions.h"
#include "window_fixture.h"

#include <QtTest>

namespace {

const QString kKept = QStringLiteral("kept"); // written before a pick; still there if not rewritten

// Option numbers of the buttons the rows name; 0: not clicked.
constexpr int kNone = 0;
constexpr int k6x19 = 10, k6x37 = 11, k6x61 = 12, k18x7 = 13;
constexpr int k1470 = 14, k1570 = 15, k1670 = 16, k1770 = 17, k1870 = 18;
constexpr int kFibre = 19, kSteel = 20;
constexpr int kMine = 22; // "矿建"; a class pick has chosen "安装" already

} // namespace

class TestStandardFrame : public WindowFixture {
    Q_OBJECT

private:
    QStringList readouts() const
    {
        return { text(7)->text(), text(8)->text(), text(9)->text(), text(10)->text(), text(11)->text() };
    }
    QColor resultColour() const { return background(text(13)); }
    void showRedWarning() const { ::showRedWarning(text(13)); }

    // Class, core and grade in the order a person clicks them. Grade 1470 can be clicked only
    // under 18×7＋1; the other classes keep it from there.
    void choose(int classOption, int core, int grade) const
    {
        if (grade == k1470 && classOption != k18x7) {
            click(k18x7);
            click(k1470);
            grade = kNone;
        }
        for (int n : { classOption, core, grade })
            if (n != kNone)
                click(n);
    }

    // Picks a row of the class's diameter list; without a class, of the 6×19＋1 list.
    bool pick(int classOption, int row) const
    {
        return actions::pickWithKeyboard(combo(classOption == kNone ? 6 : classOption - 4), row);
    }

    static void retype(QWidget *widget, const QString &typed) { actions::retype(widget, typed); }
    QStringList calculate() const { return actions::pressShowingMessages(controls().command(2)); }

    // 6×19＋1, fibre core, 1570, φ6: breaking force 17.3, force and purpose typed.
    bool prepare17_3(const QString &force, const QString &purpose)
    {
        choose(k6x19, kNone, k1570);
        if (!pick(k6x19, 3))
            return false;
        retype(text(12), force);
        retype(combo(10)->lineEdit(), purpose);
        return text(10)->text() == QStringLiteral("17.3");
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void lookup_data()
    {
        QTest::addColumn<int>("ropeClass");
        QTest::addColumn<int>("core");
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("shown"); // Text7 to Text11
        const auto add
            = [](const char *name, int ropeClass, int core, int grade, int row, QStringList shown) {
                  QTest::newRow(name) << ropeClass << core << grade << row << shown;
              };
        const QString k = kKept;
        add("6x19 fibre, no grade, φ3", k6x19, kFibre, kNone, 0, { "3.11", "3.03", k, "", k });
        add("6x19 fibre 1570 φ3", k6x19, kFibre, k1570, 0, { "3.11", "3.03", k, "4.33", k });
        add("6x19 fibre 1570 φ5", k6x19, kFibre, k1570, 2, { "8.65", "8.42", k, "12", k });
        add("6x19 fibre 1670 φ(42)", k6x19, kFibre, k1670, 25, { "610", "594", k, "904", k });
        add("6x19 steel 1770 φ20", k6x19, kSteel, k1770, 14, { k, k, "152", k, "235" });
        add("6x19 steel 1670 φ(30)", k6x19, kSteel, k1670, 19, { k, k, "343", k, "498" });
        add("6x19 steel 1870 φ48", k6x19, kSteel, k1870, 28, { k, k, "878", k, "1430" });
        add("6x37 fibre 1570 φ6", k6x37, kFibre, k1570, 0, { "12.5", "12.1", k, "16.6", k });
        add("6x37 fibre 1770 φ20", k6x37, kFibre, k1770, 11, { "138", "135", k, "208", k });
        add("6x37 steel 1870 φ8, misprint mended", k6x37, kSteel, k1870, 2, { k, k, "24.4", k, "38.1" });
        add("6x37 steel 1870 φ13", k6x37, kSteel, k1870, 7, { k, k, "64.4", k, "100" });
        add("6x37 steel 1870 φ66", k6x37, kSteel, k1870, 34, { k, k, "1660", k, "2590" });
        add("6x61 fibre 1570 φ40", k6x61, kFibre, k1570, 0, { "578", "566", k, "758", k });
        add("6x61 fibre 1870 φ66", k6x61, kFibre, k1870, 13, { "1570", "1540", k, "2460", k });
        add("6x61 steel 1670 φ60", k6x61, kSteel, k1670, 10, { k, k, "1430", k, "1950" });
        add("6x61 steel 1870 φ90", k6x61, kSteel, k1870, 25, { k, k, "3220", k, "4930" });
        add("18x7 no grade φ7", k18x7, kFibre, kNone, 1, { "19.1", "", k, "", k });
        add("18x7 1470 φ6", k18x7, kFibre, k1470, 0, { "14", "", k, "17.3", k });
        add("18x7 1470 φ50", k18x7, kFibre, k1470, 26, { "975", "", k, "1205", k });
        add("18x7 1570 φ14", k18x7, kFibre, k1570, 8, { "76.4", "", k, "100", k });
        add("18x7 1670 φ9", k18x7, kFibre, k1670, 3, { "31.6", "", k, "44.3", k });
        add("18x7 1770 φ(42)", k18x7, kFibre, k1770, 22, { "688", "", k, "1020", k });
        add("18x7 1870 φ(30)", k18x7, kFibre, k1870, 16, { "351", "", k, "552", k });
        add("1470 kept, 6x19 fibre φ20", k6x19, kFibre, k1470, 14, { "138", "135", k, "", k });
        add("1470 kept, 6x61 steel φ40", k6x61, kSteel, k1470, 0, { k, k, "637", k, "" });
    }

    // Only the selected core's boxes are written: the picked rope's values, the breaking force
    // only in a grade the class is made in, and empty where the rope has no value. The result
    // is emptied whatever is written. The same pick again gives the same.
    void lookup()
    {
        QFETCH(int, ropeClass);
        QFETCH(int, core);
        QFETCH(int, grade);
        QFETCH(int, row);
        QFETCH(QStringList, shown);
        choose(ropeClass, core, grade);
        for (int press = 0; press < 2; ++press) {
            for (int n = 7; n <= 11; ++n)
                text(n)->setText(kKept);
            showRedWarning();
            QVERIFY(pick(ropeClass, row));
            QCOMPARE(readouts(), shown);
            QCOMPARE(text(13)->text(), QString());
            QCOMPARE(resultColour(), kWhite);
        }
    }

    void pickWithoutCore_data()
    {
        QTest::addColumn<int>("list");
        for (int list = 6; list <= 9; ++list)
            QTest::addRow("Combo%d", list) << list;
    }

    // At start no core is chosen and all lists are enabled: a pick only empties the result.
    void pickWithoutCore()
    {
        QFETCH(int, list);
        click(k1570);
        for (int n = 7; n <= 11; ++n)
            text(n)->setText(kKept);
        showRedWarning();
        QVERIFY(actions::pickWithKeyboard(combo(list), 0));
        QCOMPARE(readouts(), QStringList(5, kKept));
        QCOMPARE(text(13)->text(), QString());
        QCOMPARE(resultColour(), kWhite);
    }

    void pickInAnotherListBeforeAClass_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // option buttons, in this order
        QTest::addColumn<int>("firstList");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("secondList");
        QTest::addColumn<int>("secondRow");
        QTest::addColumn<QStringList>("shown"); // Text7 to Text11 after the second pick
        QTest::newRow("steel 6x19 φ(42), then 18x7 φ(46)")
            << QList<int> { kSteel } << 6 << 25 << 9 << 24 << QStringList(5, QString());
        QTest::newRow("steel 6x37 φ28, then 18x7 φ6")
            << QList<int> { kSteel } << 7 << 10 << 9 << 0 << QStringList(5, QString());
        QTest::newRow("fibre 6x19 φ(42), then 18x7 φ36")
            << QList<int> { kFibre } << 6 << 25 << 9 << 19 << QStringList { "505", "", "", "", "" };
        QTest::newRow("fibre 1470 18x7 φ50, then 6x19 φ20")
            << QList<int> { kFibre, k1470 } << 9 << 26 << 6 << 14 << QStringList { "138", "135", "", "", "" };
    }

    // Before a class is chosen every list is open. A pick in a second list shows the second rope
    // alone: no weight or breaking force of the first rope stays in the selected core's boxes.
    void pickInAnotherListBeforeAClass()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, firstList);
        QFETCH(int, firstRow);
        QFETCH(int, secondList);
        QFETCH(int, secondRow);
        QFETCH(QStringList, shown);
        for (int n : clicks)
            click(n);
        QVERIFY(actions::pickWithKeyboard(combo(firstList), firstRow));
        QVERIFY(actions::pickWithKeyboard(combo(secondList), secondRow));
        QCOMPARE(readouts(), shown);
    }

    // A 6×19＋1 rope is not made in 1470, so no factor may come from the 1470 breaking force of
    // an 18×7＋1 rope picked before it: the check asks for a rope instead.
    void noFactorFromARopePickedBefore()
    {
        for (int n : { kFibre, k1470, 21 })
            click(n);
        QVERIFY(actions::pickWithKeyboard(combo(9), 26));
        QCOMPARE(text(10)->text(), QStringLiteral("1205"));
        QVERIFY(actions::pickWithKeyboard(combo(6), 14));
        retype(text(12), QStringLiteral("2000"));
        QVERIFY(actions::pickWithKeyboard(combo(10), 0));
        QCOMPARE(calculate(), QStringList { kRopeMessage });
        QCOMPARE(text(13)->text(), QString());
    }

    void newChoiceEmptiesReadouts_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("before"); // Text7 to Text11
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("result");
        const QStringList none(5, QString());
        QTest::newRow("grade, fibre force shown")
            << k1670 << QStringList { "7", "8", "9", "10", "" } << none
            << QStringList { "Option16_Click", "Text10_Change" } << QString();
        QTest::newRow("grade, steel force shown")
            << k1670 << QStringList { "7", "8", "9", "", "11" } << none
            << QStringList { "Option16_Click", "Text11_Change" } << QString();
        QTest::newRow("grade, no force shown") << k1670 << QStringList { "7", "8", "9", "", "" } << none
                                               << QStringList { "Option16_Click" } << kTooWeak;
        QTest::newRow("fibre core") << kFibre << QStringList { "7", "8", "9", "10", "11" }
                                    << QStringList { "7", "8", "", "10", "" }
                                    << QStringList { "Option19_Click", "Text11_Change" } << QString();
        QTest::newRow("steel core") << kSteel << QStringList { "7", "8", "9", "10", "11" }
                                    << QStringList { "", "", "9", "", "11" }
                                    << QStringList { "Option20_Click", "Text10_Change" } << QString();
    }

    // A grade pick empties the lists and all read-outs, a core pick the lists and the other
    // core's read-outs. The result turns white; its text goes with an emptied breaking force.
    void newChoiceEmptiesReadouts()
    {
        QFETCH(int, button);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, log);
        QFETCH(QString, result);
        click(k6x19);
        if (button == kFibre)
            click(kSteel);
        for (int list = 6; list <= 9; ++list)
            combo(list)->setCurrentIndex(2);
        for (int n = 7; n <= 11; ++n)
            text(n)->setText(before.at(n - 7));
        showRedWarning();
        m_form->log.clear();
        click(button);
        QCOMPARE(m_form->log, log);
        QCOMPARE(readouts(), after);
        for (int list = 6; list <= 9; ++list) {
            QCOMPARE(combo(list)->currentText(), QString());
            QCOMPARE(combo(list)->currentIndex(), -1);
        }
        QCOMPARE(text(13)->text(), result);
        QCOMPARE(resultColour(), kWhite);
    }

    void check_data()
    {
        QTest::addColumn<int>("ropeClass");
        QTest::addColumn<int>("core");
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("shown");
        const auto add = [](const char *name, int ropeClass, int core, int grade, int row, int work,
                             const QString &force, const QString &purpose, const QString &shown) {
            QTest::newRow(name) << ropeClass << core << grade << row << work << force << purpose << shown;
        };
        // Expected: breaking force × 1000 / 9.8 (× the "矿建" coefficient) / force, to two places.
        add("11.99 above 10", k6x19, kSteel, k1770, 14, kNone, "2000", "绑扎绳10", "11.99");
        add("17.3 / 300 not above 6", k6x19, kFibre, k1570, 3, kNone, "300", "井架提升6", kTooWeak);
        add("17.3 / 300 above 5", k6x19, kFibre, k1570, 3, kNone, "300", "5", "5.88");
        add("passenger lift, typed, passes", k6x19, kSteel, k1770, 14, kNone, "1500", "载人升降14", "15.99");
        add("passenger lift, typed, fails", k6x19, kSteel, k1770, 14, kNone, "2000", "载人升降14", kTooWeak);
        add("negative force", k6x19, kSteel, k1770, 14, kNone, "-2000", "绑扎绳10", kTooWeak);
        add("rounds to a whole number", k6x19, kSteel, k1770, 14, kNone, "1998.3", "10", "12.");
        add("below one", k6x19, kSteel, k1770, 14, kNone, "48000", "0.1", ".5");
        add("no work type before any class", kNone, kFibre, k1570, 3, kNone, "300", "5", kTooWeak);
        add("6x61 installation", k6x61, kFibre, k1570, 0, kNone, "10000", "缆绳3.5", "7.73");
        add("18x7 installation", k18x7, kFibre, k1870, 16, kNone, "5000", "矿井提人9", "11.27");
        add("mine 6x19 fibre 1.197", k6x19, kFibre, k1570, 3, kMine, "300", "井架提升6", "7.04");
        add("mine 6x19 steel 1.287", k6x19, kSteel, k1770, 14, kMine, "2000", "绑扎绳10", "15.43");
        add("mine 6x37 fibre 1.249", k6x37, kFibre, k1570, 0, kMine, "200", "绑扎绳10", "10.58");
        add("mine 6x37 steel 1.336", k6x37, kSteel, k1870, 2, kMine, "500", "绑扎绳10", "10.39");
        add("mine 6x61 fibre 1.25", k6x61, kFibre, k1570, 0, kMine, "10000", "矿井提人9", "9.67");
        add("mine 6x61 steel 1.316", k6x61, kSteel, k1670, 10, kMine, "20000", "10", "13.09");
        add("mine 18x7 1.283", k18x7, kFibre, k1470, 0, kMine, "300", "矿井提物7.5", "7.55");
    }

    // A purpose the list offers is picked from it, any other typed. Pressing again with
    // unchanged inputs gives the same.
    void check()
    {
        QFETCH(int, ropeClass);
        QFETCH(int, core);
        QFETCH(int, grade);
        QFETCH(int, row);
        QFETCH(int, work);
        QFETCH(QString, force);
        QFETCH(QString, purpose);
        QFETCH(QString, shown);
        choose(ropeClass, core, grade);
        QVERIFY(pick(ropeClass, row));
        if (work != kNone)
            click(work);
        retype(text(12), force);
        if (const int item = combo(10)->findText(purpose); item >= 0)
            QVERIFY(actions::pickWithKeyboard(combo(10), item));
        else
            retype(combo(10)->lineEdit(), purpose);
        for (int press = 0; press < 2; ++press) {
            QCOMPARE(calculate(), QStringList());
            QCOMPARE(text(13)->text(), shown);
            QCOMPARE(resultColour(), shown == kTooWeak ? kRed : kWhite);
        }
    }

    void messages_data()
    {
        QTest::addColumn<int>("row"); // of 6×19＋1 fibre core, after the grade if given; -1: nothing chosen
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("message");
        const auto add = [](const char *name, int row, int grade, const QString &force,
                             const QString &purpose, const QString &message) {
            QTest::newRow(name) << row << grade << force << purpose << message;
        };
        add("at start", -1, kNone, "", "", kRopeMessage);
        add("at start, force and purpose typed", -1, kNone, "300", "井架提升6", kRopeMessage);
        add("weights but no breaking force", 3, kNone, "300", "井架提升6", kRopeMessage);
        add("no force, no purpose", 3, k1570, "", "", kForceMessage);
        add("force 0", 3, k1570, "0", "井架提升6", kForceMessage);
        add("force with a unit", 3, k1570, "12kg", "井架提升6", kForceMessage);
        add("no purpose", 3, k1570, "300", "", kPurposeMessage);
        add("purpose with a trailing blank", 3, k1570, "300", "井架提升6 ", kPurposeMessage);
        add("typed factor 0", 3, k1570, "300", "0", kPurposeMessage);
    }

    // Exactly one message, the first that applies; every box keeps what it held, the red
    // result included.
    void messages()
    {
        QFETCH(int, row);
        QFETCH(int, grade);
        QFETCH(QString, force);
        QFETCH(QString, purpose);
        QFETCH(QString, message);
        if (row >= 0) {
            choose(k6x19, kNone, grade);
            QVERIFY(pick(k6x19, row));
        }
        retype(text(12), force);
        retype(combo(10)->lineEdit(), purpose);
        showRedWarning();
        const QStringList before = readouts() << text(12)->text() << combo(10)->currentText();
        QCOMPARE(calculate(), QStringList { message });
        QCOMPARE(readouts() << text(12)->text() << combo(10)->currentText(), before);
        QCOMPARE(text(13)->text(), kTooWeak);
        QCOMPARE(resultColour(), kRed);
    }

    void resets_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("control"); // number of the box, list or button
        QTest::addColumn<QString>("handler");
        QTest::newRow("force typed") << "type" << 12 << "Text12_Change";
        QTest::newRow("purpose typed") << "type" << 10 << "Combo10_Change";
        QTest::newRow("purpose picked") << "pick" << 10 << "Combo10_Click";
        QTest::newRow("same diameter again") << "pick" << 6 << "Combo6_Click";
        QTest::newRow("mine construction") << "click" << kMine << "Option22_Click";
        QTest::newRow("installation") << "click" << 21 << "Option21_Click";
        QTest::newRow("grade") << "click" << k1670 << "Option16_Click";
        QTest::newRow("core") << "click" << kSteel << "Option20_Click";
        QTest::newRow("standard class") << "click" << k6x37 << "Option11_Click";
        QTest::newRow("traditional class") << "click" << 1 << "Option1_Click";
    }

    // After a red warning, each change of an input runs its reset at once: empty and white.
    void resets()
    {
        QFETCH(QString, action);
        QFETCH(int, control);
        QFETCH(QString, handler);
        QVERIFY(prepare17_3(QStringLiteral("300"), QStringLiteral("绑扎绳10")));
        if (control == 21) // "安装" is a change only from "矿建"
            click(kMine);
        QCOMPARE(calculate(), QStringList());
        QCOMPARE(resultColour(), kRed);
        m_form->log.clear();
        if (action == "type")
            actions::type(control == 12 ? text(12) : combo(10)->lineEdit(), QStringLiteral("0"));
        else if (action == "pick")
            QVERIFY(actions::pickWithKeyboard(combo(control), 3));
        else
            click(control);
        QCOMPARE(m_form->log.value(0), handler);
        QCOMPARE(text(13)->text(), QString());
        QCOMPARE(resultColour(), kWhite);
    }

    // Typing an item's text into a diameter list and pressing Enter or leaving looks nothing up.
    void typingADiameterIsNoPick()
    {
        QVERIFY(prepare17_3(QStringLiteral("300"), QStringLiteral("5")));
        QCOMPARE(calculate(), QStringList());
        QCOMPARE(text(13)->text(), QStringLiteral("5.88"));
        const QStringList shown = readouts();
        m_form->log.clear();
        combo(6)->setFocus();
        retype(combo(6)->lineEdit(), QStringLiteral("φ20"));
        QTest::keyClick(combo(6), Qt::Key_Return);
        text(12)->setFocus();
        QCOMPARE(m_form->log, QStringList());
        QCOMPARE(readouts(), shown);
        QCOMPARE(text(13)->text(), QStringLiteral("5.88"));
    }
};

QTEST_MAIN(TestStandardFrame)
#include "tst_standard_frame.moc"
