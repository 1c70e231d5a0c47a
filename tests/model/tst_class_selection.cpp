// The rope-class buttons of both frames. A class pick also picks the method: one diameter list
// and one "计  算" stay enabled, the other frame's class is cleared, every read-out of both
// methods and both results are emptied, and a standard class presets fibre core and
// installation and switches steel core and grade 1470.

#include "tests/model/model_window.h"

#include <QTest>
#include <array>

namespace {

using app::testing::numbers;

constexpr std::array kClassOptions { 1, 2, 3, 4, 10, 11, 12, 13 };
constexpr auto kDiameterLists = app::testing::numbers(app::kDiameterLists);
constexpr auto kReadouts = app::testing::numbers(app::kReadouts);

void presetChecked(ModelWindow &w, int option)
{
    w.preset(app::option(option), [](app::ControlState &state) { state.checked = true; });
}

void presetEnabled(ModelWindow &w, app::Ref control, bool enabled)
{
    w.preset(control, [enabled](app::ControlState &state) { state.enabled = enabled; });
}

// A window in which every effect of selecting `target` shows: the next class of its frame and
// the same class of the other frame chosen, every diameter list and read-out filled, both
// results red, steel core and "矿建", a grade in each frame, and every enabled flag the opposite
// of what the pick should leave; steel core and grade 1470 the opposite of what a standard pick
// of this class leaves, so that a traditional pick touching them shows.
void dirty(ModelWindow &w, int target, int list, bool eighteenStrand)
{
    const bool toStandard = target >= 10;
    const int rank = toStandard ? target - 9 : target; // 1 to 4 in both frames
    presetChecked(w, rank % 4 + 1 + (toStandard ? 9 : 0));
    presetChecked(w, rank + (toStandard ? 0 : 9));
    presetEnabled(w, app::command(1), toStandard);
    presetEnabled(w, app::command(2), !toStandard);
    for (int n : kDiameterLists) {
        presetEnabled(w, app::combo(n), n != list);
        if (w->items(app::combo(n)).empty())
            w.presetText(app::combo(n), "φ9");
        else
            w.presetItem(n, 1);
    }
    for (int n : kReadouts)
        w.presetText(app::text(n), "8.5");
    w.presetText(app::text(5), "2000");
    w.presetText(app::text(12), "300");
    w.presetItem(5, 2);
    w.presetItem(10, 3);
    for (int n : { 6, 14, 20, 22 })
        presetChecked(w, n);
    presetEnabled(w, app::option(20), eighteenStrand);
    presetEnabled(w, app::option(14), !eighteenStrand);
    presetEnabled(w, app::label(21), !eighteenStrand);
    w.presetWarning(6);
    w.presetWarning(13);
}

} // namespace

class TestClassSelection : public QObject {
    Q_OBJECT

private slots:
    void effects_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("list");
        QTest::newRow("traditional 6x19") << 1 << 1;
        QTest::newRow("traditional 6x37") << 2 << 2;
        QTest::newRow("traditional 6x61") << 3 << 3;
        QTest::newRow("traditional 18x7") << 4 << 4;
        QTest::newRow("standard 6x19") << 10 << 6;
        QTest::newRow("standard 6x37") << 11 << 7;
        QTest::newRow("standard 6x61") << 12 << 8;
        QTest::newRow("standard 18x7") << 13 << 9;
    }

    // Every effect of a class pick, and the handlers it runs, in the order they start within it.
    // A grade selected before stays selected, also where the pick disables it.
    void effects()
    {
        QFETCH(int, target);
        QFETCH(int, list);
        const bool toStandard = target >= 10;
        const bool eighteenStrand = target == 4 || target == 13;
        ModelWindow w;
        dirty(w, target, list, eighteenStrand);
        std::array<app::ControlState, 10> listsBefore;
        for (int n : kDiameterLists)
            listsBefore.at(std::size_t(n)) = w->state(app::combo(n));

        w.select(target);

        const QString handler = QStringLiteral("Option%1_Click").arg(target);
        const QStringList expectedLog = toStandard
            ? QStringList { handler, "Option19_Click", "Text11_Change", "Option21_Click", "Text4_Change",
                  "Text10_Change" }
            : QStringList { handler, "Text4_Change", "Text10_Change", "Text11_Change" };
        QCOMPARE(w.log, expectedLog);

        QCOMPARE(w.enabled(app::command(1)), !toStandard);
        QCOMPARE(w.enabled(app::command(2)), toStandard);
        for (int n : kClassOptions)
            QVERIFY2(w.checked(n) == (n == target), qPrintable(QString::number(n)));
        for (int n : kDiameterLists) {
            const QByteArray name = "Combo" + QByteArray::number(n);
            QVERIFY2(w.enabled(app::combo(n)) == (n == list), name);
            const bool ownFrame = (n < 5) != toStandard;
            const app::ControlState &before = listsBefore.at(std::size_t(n));
            QVERIFY2(w.listText(n) == (ownFrame ? QString() : ModelWindow::qt(before.text)), name);
            QVERIFY2(w.item(n) == (ownFrame ? -1 : before.item), name);
        }
        for (int n : kReadouts)
            QVERIFY2(w.text(n).isEmpty(), qPrintable(QStringLiteral("Text%1").arg(n)));
        for (int n : numbers(app::kResults)) {
            QCOMPARE(w.text(n), QString());
            QCOMPARE(w.colour(n), QStringLiteral("white"));
        }

        // A standard class presets fibre core and installation; a traditional one leaves the
        // standard frame's choices and switches as they were.
        QCOMPARE(w.checked(19), toStandard);
        QCOMPARE(w.checked(20), !toStandard);
        QCOMPARE(w.checked(21), toStandard);
        QCOMPARE(w.checked(22), !toStandard);
        QCOMPARE(w.enabled(app::option(20)), toStandard ? !eighteenStrand : eighteenStrand);
        QCOMPARE(w.enabled(app::option(14)), toStandard ? eighteenStrand : !eighteenStrand);
        QCOMPARE(w.enabled(app::label(21)), toStandard ? eighteenStrand : !eighteenStrand);

        // What the user entered and chose stays.
        QCOMPARE(w.text(5), QStringLiteral("2000"));
        QCOMPARE(w.text(12), QStringLiteral("300"));
        QCOMPARE(w.listText(5), QStringLiteral("井架提升6"));
        QCOMPARE(w.listText(10), QStringLiteral("矿井提人9"));
        QVERIFY(w.checked(6));
        QVERIFY(w.checked(14));
    }

    // With fibre core selected already, no core handler runs; the class pick itself empties
    // the standard lists.
    void standardClassEmptiesListsItself()
    {
        ModelWindow w;
        w.select(10);
        w.select(15);
        w.pick(6, 3);
        QCOMPARE(w.text(10), QStringLiteral("17.3"));
        w.log.clear();
        w.select(11);
        QVERIFY(!w.log.contains("Option19_Click"));
        QCOMPARE(w.listText(6), QString());
        QCOMPARE(w.item(6), -1);
        QCOMPARE(w.text(10), QString());
    }

    // The traditional tables hold no 18×7＋1: its list is enabled but empty, and the check
    // asks for a rope whatever else is entered.
    void traditionalEighteenStrand()
    {
        ModelWindow w;
        w.select(4);
        w.select(5);
        QVERIFY(w.enabled(app::combo(4)));
        QVERIFY(w->items(app::combo(4)).empty());
        QCOMPARE(w.listText(4), QString());
        w.typeText(5, QStringLiteral("2000"));
        w.typeList(5, QStringLiteral("井架提升6"));
        QCOMPARE(w.press(1), QStringList { ModelWindow::qt(common::kChooseRopeMessage) });
    }
};

QTEST_GUILESS_MAIN(TestClassSelection)
#include "tst_class_selection.moc"
