// When handlers run, on the window's model with no display: which input or write runs which
// handler, nested where, and what runs nothing.

#include "app/calculator/bindings.h"
#include "app/calculator/control_table.h"
#include "tests/model/model_window.h"

#include <QSet>
#include <QtTest>
#include <algorithm>

using app::combo;
using app::option;
using app::text;

class TestHandlerTiming : public QObject {
    Q_OBJECT

private slots:
    void bindingsAreNamedForTheirControlAndEvent();
    void groupsStandWhereTheirNamesSay_data();
    void groupsStandWhereTheirNamesSay();
    void selectRunsClick_data();
    void selectRunsClick();
    void selectionMovesWithinFrameOnly();
    void selectedByAHandlerRunsNested();
    void clearingAndEnablingRunNothing();
    void disabledControlsTakeNoInput();
    void pickRunsClick_data();
    void pickRunsClick();
    void typingInLists_data();
    void typingInLists();
    void writingABoxRunsItsChange_data();
    void writingABoxRunsItsChange();
    void typingInBoxes();
    void pressRunsClick();
    void noInputWhileAHandlerRuns();
    void viewIsToldBeforeTheMessage();
};

// One handler per control and event, named control_event, on a control of the window; lists
// take a change only where the user's typing means something (the purpose lists).
void TestHandlerTiming::bindingsAreNamedForTheirControlAndEvent()
{
    QSet<QString> names;
    for (const app::Binding &binding : app::kBindings) {
        const QString name = QString::fromStdString(app::nameOf(binding));
        QVERIFY2(app::specOf(binding.control) != nullptr, qPrintable(name));
        QVERIFY2(app::bindingOf(binding.control, binding.event) == &binding, qPrintable(name));
        names << name;
    }
    QCOMPARE(names.size(), int(app::kBindings.size()));
    for (const char *known :
        { "Option1_Click", "Option22_Click", "Combo10_Change", "Text12_Change", "Command2_Click" })
        QVERIFY2(names.contains(QLatin1String(known)), known);
    for (const char *none : { "Combo4_Click", "Text1_Change", "Text6_Change", "Text9_Change", "Text13_Change",
             "Combo1_Change", "Combo9_Change" })
        QVERIFY2(!names.contains(QLatin1String(none)), none);
}

void TestHandlerTiming::groupsStandWhereTheirNamesSay_data()
{
    QTest::addColumn<QList<int>>("members");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("style");
    const auto list = [](const auto &group) {
        QList<int> numbers;
        for (const auto control : group)
            numbers << control.number;
        return numbers;
    };
    const auto add
        = [](const char *name, const QList<int> &members, app::Kind kind, int frame, app::Style style) {
              QTest::newRow(name) << members << int(kind) << frame << int(style);
          };
    using app::Kind;
    using app::Style;
    add("traditional classes", list(app::kTraditionalClassOptions), Kind::Option, 2, Style::Plain);
    add("traditional grades", list(app::kTraditionalGradeOptions), Kind::Option, 3, Style::Plain);
    add("traditional diameter lists", list(app::kTraditionalDiameterLists), Kind::Combo, 4, Style::Plain);
    add("traditional read-outs", list(app::kTraditionalReadouts), Kind::Text, 5, Style::ReadOnly);
    add("standard classes", list(app::kStandardClassOptions), Kind::Option, 8, Style::Plain);
    add("standard grades", list(app::kStandardGradeOptions), Kind::Option, 9, Style::Plain);
    add("standard grade labels", list(app::kStandardGradeLabels), Kind::Label, 9, Style::Plain);
    add("standard diameter lists", list(app::kStandardDiameterLists), Kind::Combo, 10, Style::Plain);
    add("weights", QList<int> { 7, 8, 9 }, Kind::Text, 11, Style::ReadOnly);
    add("cores", list(app::kCoreOptions), Kind::Option, 12, Style::Plain);
    add("breaking forces", QList<int> { app::kFibreBreaking.number, app::kSteelBreaking.number }, Kind::Text,
        12, Style::ReadOnly);
    add("work types", list(app::kWorkOptions), Kind::Option, 13, Style::Plain);
}

// Each named group holds the controls of one kind in one frame, in the order they stand
// (left to right, or top to bottom), which is the order of the classes, grades and columns the
// handlers take them for; the read-outs are the read-only boxes.
void TestHandlerTiming::groupsStandWhereTheirNamesSay()
{
    QFETCH(QList<int>, members);
    QFETCH(int, kind);
    QFETCH(int, frame);
    QFETCH(int, style);
    const app::ControlSpec *previous = nullptr;
    for (int n : members) {
        const app::ControlSpec *row = app::specOf({ app::Kind(kind), n });
        QVERIFY2(row != nullptr, qPrintable(QString::number(n)));
        QCOMPARE(row->parent.number, frame);
        QCOMPARE(int(row->style), style);
        if (previous != nullptr)
            QVERIFY2(row->left > previous->left || row->top > previous->top, qPrintable(QString::number(n)));
        previous = row;
    }
    const int boxes
        = int(std::count_if(app::kControls.begin(), app::kControls.end(), [](const app::ControlSpec &row) {
              return row.kind == app::Kind::Text && row.style == app::Style::ReadOnly;
          }));
    QCOMPARE(boxes, int(app::kReadouts.size()));
}

void TestHandlerTiming::selectRunsClick_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("nested");
    for (int n = 1; n <= 22; ++n) {
        const bool standardClass = n >= 10 && n <= 13;
        QTest::addRow("Option%d", n) << n
                                     << (standardClass ? QStringList { "Option19_Click", "Option21_Click" }
                                                       : QStringList());
    }
}

// Selecting a button runs its click handler; a standard class selects fibre core and
// installation, which runs their handlers nested in its own.
void TestHandlerTiming::selectRunsClick()
{
    QFETCH(int, number);
    QFETCH(QStringList, nested);
    ModelWindow window;
    window.select(number);
    QVERIFY(window.checked(number));
    QCOMPARE(window.log, QStringList { QStringLiteral("Option%1_Click").arg(number) } + nested);
}

// Selecting another button of a frame clears the one selected, which runs nothing, and leaves
// other frames alone; selecting the selected button again runs nothing.
void TestHandlerTiming::selectionMovesWithinFrameOnly()
{
    ModelWindow window;
    window.select(5);
    window.select(15);
    window.select(7);
    window.select(7);
    QVERIFY(!window.checked(5));
    QVERIFY(window.checked(7) && window.checked(15));
    QCOMPARE(window.log, (QStringList { "Option5_Click", "Option15_Click", "Option7_Click" }));
}

// A handler's selection runs the button's handler there and then, before the write returns.
void TestHandlerTiming::selectedByAHandlerRunsNested()
{
    ModelWindow window;
    window.controls().setChecked(option(20));
    QCOMPARE(window.log, QStringList { "Option20_Click" });
    window.controls().setChecked(option(20));
    window.controls().setChecked(option(19));
    QVERIFY(!window.checked(20));
    QCOMPARE(window.log, (QStringList { "Option20_Click", "Option19_Click" }));
}

void TestHandlerTiming::clearingAndEnablingRunNothing()
{
    ModelWindow window;
    window.select(2);
    window.select(22);
    window.pick(7, 5);
    window.typeList(5, QStringLiteral("8"));
    window.log.clear();
    window.controls().clear(option(2));
    window.controls().clear(option(22));
    window.controls().clear(option(3));
    window.controls().clearList(combo(7));
    window.controls().clearList(combo(5));
    for (const app::ControlSpec &row : app::kControls) {
        window.controls().setEnabled({ row.kind, row.number }, false);
        window.controls().setEnabled({ row.kind, row.number }, true);
    }
    QVERIFY(!window.checked(2) && !window.checked(22));
    QCOMPARE(window.item(7), -1);
    QCOMPARE(window.listText(7), QString());
    QCOMPARE(window.listText(5), QString());
    QCOMPARE(window->items(combo(7)).size(), std::size_t(35));
    QVERIFY(window.log.isEmpty());
}

// A disabled control takes no input, and a disabled option button keeps its selection.
void TestHandlerTiming::disabledControlsTakeNoInput()
{
    ModelWindow window;
    window.select(14);
    for (const app::Ref control :
        std::array<app::Ref, 6> { option(14), option(16), combo(6), combo(5), text(5), app::command(1) })
        window.controls().setEnabled(control, false);
    window.select(16);
    window.pick(6, 2);
    window.typeList(5, QStringLiteral("8"));
    window.typeText(5, QStringLiteral("200"));
    QCOMPARE(window.press(1), QStringList());
    QVERIFY(window.checked(14) && !window.checked(16));
    QCOMPARE(window.item(6), -1);
    QCOMPARE(window.listText(5), QString());
    QCOMPARE(window.text(5), QString());
    QCOMPARE(window.log, QStringList { "Option14_Click" });
}

void TestHandlerTiming::pickRunsClick_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("item");
    QTest::newRow("Combo1") << 1 << 0 << "φ6.2";
    QTest::newRow("Combo2") << 2 << 20 << "φ65.0";
    QTest::newRow("Combo3") << 3 << 15 << "φ55.5";
    QTest::newRow("Combo5") << 5 << 7 << "载人升降14";
    QTest::newRow("Combo6") << 6 << 19 << "φ(30)";
    QTest::newRow("Combo7") << 7 << 34 << "φ66";
    QTest::newRow("Combo8") << 8 << 0 << "φ40";
    QTest::newRow("Combo9") << 9 << 26 << "φ50";
    QTest::newRow("Combo10") << 10 << 6 << "缆绳3.5";
}

// A pick takes the item's text and position and runs the click handler, the same item again
// too; there is no item past the list's end, and the traditional 18×7＋1 list has none at all.
void TestHandlerTiming::pickRunsClick()
{
    QFETCH(int, number);
    QFETCH(int, row);
    QFETCH(QString, item);
    ModelWindow window;
    window.pick(number, row);
    window.pick(number, row);
    window.pick(number, int(window->items(combo(number)).size()));
    window.pick(4, 0);
    QCOMPARE(window.listText(number), item);
    QCOMPARE(window.item(number), row);
    const QString handler = QStringLiteral("Combo%1_Click").arg(number);
    QCOMPARE(window.log, (QStringList { handler, handler }));
    QVERIFY(window->items(combo(4)).empty());
}

void TestHandlerTiming::typingInLists_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("purpose list") << 5 << "12" << QStringList { "Combo5_Change" };
    QTest::newRow("purpose list, an item's text") << 10 << "缆绳3.5" << QStringList { "Combo10_Change" };
    QTest::newRow("purpose list emptied") << 10 << "" << QStringList { "Combo10_Change" };
    QTest::newRow("diameter list, an item's text") << 1 << "φ6.2" << QStringList {};
    QTest::newRow("empty diameter list") << 4 << "7" << QStringList {};
    QTest::newRow("standard diameter list emptied") << 9 << "" << QStringList {};
}

// Typing is no pick: after a pick, a purpose list runs its change handler, a diameter list
// nothing, and the item stays picked unless the field is emptied.
void TestHandlerTiming::typingInLists()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    ModelWindow window;
    if (!window->items(combo(number)).empty())
        window.pick(number, 1);
    window.log.clear();
    window.typeList(number, typed);
    QCOMPARE(window.listText(number), typed);
    QCOMPARE(window.item(number), typed.isEmpty() || window->items(combo(number)).empty() ? -1 : 1);
    QCOMPARE(window.log, expected);
}

void TestHandlerTiming::writingABoxRunsItsChange_data()
{
    QTest::addColumn<int>("number");
    for (int n : { 4, 5, 10, 11, 12 })
        QTest::addRow("Text%d", n) << n;
}

// A written text runs the box's change handler before the write returns; the same text again
// is no change.
void TestHandlerTiming::writingABoxRunsItsChange()
{
    QFETCH(int, number);
    ModelWindow window;
    const QString handler = QStringLiteral("Text%1_Change").arg(number);
    window.controls().setText(text(number), "1700");
    QCOMPARE(window.log, QStringList { handler });
    window.controls().setText(text(number), "1700");
    window.controls().setText(text(number), "");
    QCOMPARE(window.log, (QStringList { handler, handler }));
}

// The read-outs cannot be typed into; the result boxes can, and that runs nothing. Typing in a
// force box runs its change handler once per edit.
void TestHandlerTiming::typingInBoxes()
{
    ModelWindow window;
    window.typeText(4, QStringLiteral("5"));
    window.typeText(11, QStringLiteral("5"));
    window.typeText(6, QStringLiteral("abc"));
    window.typeText(13, QStringLiteral("12"));
    QCOMPARE(window.text(4), QString());
    QCOMPARE(window.text(11), QString());
    QCOMPARE(window.text(13), QStringLiteral("12"));
    QVERIFY(window.log.isEmpty());
    window.typeText(5, QStringLiteral("2"));
    window.typeText(5, QStringLiteral("20"));
    window.typeText(12, QStringLiteral("-1"));
    QCOMPARE(window.log, (QStringList { "Text5_Change", "Text5_Change", "Text12_Change" }));
}

void TestHandlerTiming::pressRunsClick()
{
    ModelWindow window;
    window.press(1);
    window.press(2);
    QCOMPARE(window.log, (QStringList { "Command1_Click", "Command2_Click" }));
}

// Input that arrives while a handler runs, as under its message box, is not taken.
void TestHandlerTiming::noInputWhileAHandlerRuns()
{
    ModelWindow window;
    window.duringMessage = [&window] {
        window.select(1);
        window.pick(5, 2);
        window.typeText(5, QStringLiteral("9"));
        window->press(app::command(2));
    };
    QCOMPARE(window.press(1), QStringList { "请选择钢丝绳直径和钢丝绳公称抗拉强度" });
    QCOMPARE(window.log, QStringList { "Command1_Click" });
    QVERIFY(!window.checked(1));
    QCOMPARE(window.text(5), QString());
    QCOMPARE(window.item(5), -1);
}

// Every change reaches the view as it is made, so that the screen is current when a message
// opens; the message itself writes nothing.
void TestHandlerTiming::viewIsToldBeforeTheMessage()
{
    ModelWindow window;
    window.select(1);
    window.select(5);
    window.pick(1, 0);
    QStringList toldBeforeMessage;
    window.duringMessage = [&] { toldBeforeMessage = window.changes; };
    window.changes.clear();
    QCOMPARE(window.press(1), QStringList { "请输入钢丝绳受力" });
    QVERIFY(toldBeforeMessage.isEmpty());
    QVERIFY(window.changes.isEmpty());
    window.typeText(5, QStringLiteral("200"));
    QVERIFY(window.changes.contains(QStringLiteral("Text5")));
    QCOMPARE(window.text(4), QStringLiteral("1700"));
}

QTEST_GUILESS_MAIN(TestHandlerTiming)
#include "tst_handler_timing.moc"
