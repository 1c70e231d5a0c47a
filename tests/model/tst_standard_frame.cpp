// The standard frame as a person uses it: class, core and grade buttons and a diameter pick
// fill the read-outs, "计  算" answers with a factor, the red warning or one message, and every
// change of an input of the check empties the result at once.

#include "tests/model/model_window.h"

#include <QTest>
#include <algorithm>

namespace {

using app::testing::numbers;

const QString kKept = QStringLiteral("kept"); // written before a pick; still there if not rewritten
const QString kTooWeak = ModelWindow::qt(common::kTooWeakText);
const QString kRopeMessage = ModelWindow::qt(common::kChooseRopeMessage);
const QString kForceMessage = ModelWindow::qt(common::kEnterForceMessage);
const QString kPurposeMessage = ModelWindow::qt(common::kChoosePurposeMessage);

// Option numbers of the buttons the rows name; 0: not selected.
constexpr int kNone = 0;
constexpr int k6x19 = 10, k6x37 = 11, k6x61 = 12, k18x7 = 13;
constexpr int k1470 = 14, k1570 = 15, k1670 = 16, k1770 = 17, k1870 = 18;
constexpr int kFibre = 19, kSteel = 20;
constexpr int kInstallation = 21, kMine = 22; // a class pick selects installation

QStringList readouts(const ModelWindow &w)
{
    return { w.text(7), w.text(8), w.text(9), w.text(10), w.text(11) };
}

void presetReadouts(ModelWindow &w, const QStringList &texts)
{
    for (int n = 7; n <= 11; ++n)
        w.presetText(app::text(n), texts.at(n - 7).toStdString());
}

// Class, core and grade in the order a person selects them. Grade 1470 can be selected only
// under 18×7＋1; the other classes keep it from there.
void choose(ModelWindow &w, int classOption, int core, int grade)
{
    if (grade == k1470 && classOption != k18x7) {
        w.select(k18x7);
        w.select(k1470);
        grade = kNone;
    }
    for (int n : { classOption, core, grade })
        if (n != kNone)
            w.select(n);
}

// Picks a row of the class's diameter list; without a class, of the 6×19＋1 list.
void pick(ModelWindow &w, int classOption, int row)
{
    w.pick(classOption == kNone ? 6 : classOption - 4, row);
}

// 6×19＋1, fibre core, 1570, φ6: breaking force 17.3, force and purpose typed.
bool prepare17_3(ModelWindow &w, const QString &force, const QString &purpose)
{
    choose(w, k6x19, kNone, k1570);
    pick(w, k6x19, 3);
    w.typeText(12, force);
    w.typeList(10, purpose);
    return w.text(10) == QStringLiteral("17.3");
}

} // namespace

class TestStandardFrame : public QObject {
    Q_OBJECT

private slots:
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
        ModelWindow w;
        choose(w, ropeClass, core, grade);
        for (int press = 0; press < 2; ++press) {
            presetReadouts(w, QStringList(5, kKept));
            w.presetWarning(13);
            pick(w, ropeClass, row);
            QCOMPARE(readouts(w), shown);
            QCOMPARE(w.text(13), QString());
            QCOMPARE(w.colour(13), QStringLiteral("white"));
        }
    }

    void pickWithoutCore_data()
    {
        QTest::addColumn<int>("list");
        for (int list : numbers(app::kStandardDiameterLists))
            QTest::addRow("Combo%d", list) << list;
    }

    // At start no core is chosen and all lists are enabled: a pick only empties the result.
    void pickWithoutCore()
    {
        QFETCH(int, list);
        ModelWindow w;
        w.select(k1570);
        presetReadouts(w, QStringList(5, kKept));
        w.presetWarning(13);
        w.pick(list, 0);
        QCOMPARE(readouts(w), QStringList(5, kKept));
        QCOMPARE(w.text(13), QString());
        QCOMPARE(w.colour(13), QStringLiteral("white"));
    }

    void pickInAnotherListBeforeAClass_data()
    {
        QTest::addColumn<QList<int>>("selections"); // option buttons, in this order
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
    // alone: no weight or breaking force of the first rope stays in the selected core's boxes, so
    // no factor comes from the first rope (the 18×7＋1 φ50 in 1470 that 6×19＋1 is not made in),
    // and the check asks for a rope.
    void pickInAnotherListBeforeAClass()
    {
        QFETCH(QList<int>, selections);
        QFETCH(int, firstList);
        QFETCH(int, firstRow);
        QFETCH(int, secondList);
        QFETCH(int, secondRow);
        QFETCH(QStringList, shown);
        ModelWindow w;
        for (int n : selections)
            w.select(n);
        w.pick(firstList, firstRow);
        w.pick(secondList, secondRow);
        QCOMPARE(readouts(w), shown);
        w.select(kInstallation);
        w.typeText(12, QStringLiteral("2000"));
        w.pick(10, 0);
        QCOMPARE(w.press(2), QStringList { kRopeMessage });
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
        ModelWindow w;
        w.select(k6x19);
        if (button == kFibre)
            w.select(kSteel);
        for (int list : numbers(app::kStandardDiameterLists))
            w.presetItem(list, 2);
        presetReadouts(w, before);
        w.presetWarning(13);
        w.log.clear();
        w.select(button);
        QCOMPARE(w.log, log);
        QCOMPARE(readouts(w), after);
        for (int list : numbers(app::kStandardDiameterLists)) {
            QCOMPARE(w.listText(list), QString());
            QCOMPARE(w.item(list), -1);
        }
        QCOMPARE(w.text(13), result);
        QCOMPARE(w.colour(13), QStringLiteral("white"));
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
        ModelWindow w;
        choose(w, ropeClass, core, grade);
        pick(w, ropeClass, row);
        if (work != kNone)
            w.select(work);
        w.typeText(12, force);
        const auto &offered = w->items(app::kStandardPurpose);
        if (const auto item = std::find(offered.begin(), offered.end(), purpose.toStdString());
            item != offered.end())
            w.pick(app::kStandardPurpose.number, int(item - offered.begin()));
        else
            w.typeList(app::kStandardPurpose.number, purpose);
        for (int press = 0; press < 2; ++press) {
            QCOMPARE(w.press(2), QStringList());
            QCOMPARE(w.text(13), shown);
            QCOMPARE(w.colour(13), shown == kTooWeak ? QStringLiteral("red") : QStringLiteral("white"));
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
        ModelWindow w;
        if (row >= 0) {
            choose(w, k6x19, kNone, grade);
            pick(w, k6x19, row);
        }
        w.typeText(12, force);
        w.typeList(10, purpose);
        w.presetWarning(13);
        const QStringList before = readouts(w) << w.text(12) << w.listText(10);
        QCOMPARE(w.press(2), QStringList { message });
        QCOMPARE(readouts(w) << w.text(12) << w.listText(10), before);
        QCOMPARE(w.text(13), kTooWeak);
        QCOMPARE(w.colour(13), QStringLiteral("red"));
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
        QTest::newRow("mine construction") << "select" << kMine << "Option22_Click";
        QTest::newRow("installation") << "select" << kInstallation << "Option21_Click";
        QTest::newRow("grade") << "select" << k1670 << "Option16_Click";
        QTest::newRow("core") << "select" << kSteel << "Option20_Click";
        QTest::newRow("standard class") << "select" << k6x37 << "Option11_Click";
        QTest::newRow("traditional class") << "select" << 1 << "Option1_Click";
    }

    // After a red warning, each change of an input runs its reset at once: empty and white.
    void resets()
    {
        QFETCH(QString, action);
        QFETCH(int, control);
        QFETCH(QString, handler);
        ModelWindow w;
        QVERIFY(prepare17_3(w, QStringLiteral("300"), QStringLiteral("绑扎绳10")));
        if (control == kInstallation) // a change only from "矿建"
            w.select(kMine);
        QCOMPARE(w.press(2), QStringList());
        QCOMPARE(w.colour(13), QStringLiteral("red"));
        w.log.clear();
        if (action == "type" && control == 12)
            w.typeText(12, QStringLiteral("3000"));
        else if (action == "type")
            w.typeList(10, QStringLiteral("绑扎绳100"));
        else if (action == "pick")
            w.pick(control, 3);
        else
            w.select(control);
        QCOMPARE(w.log.value(0), handler);
        QCOMPARE(w.text(13), QString());
        QCOMPARE(w.colour(13), QStringLiteral("white"));
    }

    // Typing an item's text into a diameter list looks nothing up.
    void typingADiameterIsNoPick()
    {
        ModelWindow w;
        QVERIFY(prepare17_3(w, QStringLiteral("300"), QStringLiteral("5")));
        QCOMPARE(w.press(2), QStringList());
        QCOMPARE(w.text(13), QStringLiteral("5.88"));
        const QStringList shown = readouts(w);
        w.log.clear();
        w.typeList(6, QStringLiteral("φ20"));
        QCOMPARE(w.log, QStringList());
        QCOMPARE(readouts(w), shown);
        QCOMPARE(w.text(13), QStringLiteral("5.88"));
    }
};

QTEST_GUILESS_MAIN(TestStandardFrame)
#include "tst_standard_frame.moc"
