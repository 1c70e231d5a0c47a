// The window by keyboard alone: Tab reaches every control in the order of the design's tab
// indexes, Space chooses an option button and the list keys pick an item, and each such
// choice runs the very handlers, and leaves the very window, that the mouse would.

#include "app/calculator/control_table.h"
#include "app/calculator/presentation.h"
#include "app/qt/qt_text.h"
#include "tests/qt/widget_actions.h"
#include "tests/qt/window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

// The names of the controls that take the focus, in the window's tab order.
QStringList tabOrderOfTable()
{
    QStringList names;
    for (const app::ControlSpec *row : app::kTabOrder)
        names << qtview::qtText(app::kKindNames.at(std::size_t(row->kind))) + QString::number(row->number);
    return names;
}

// The control that has the focus: a list's edit field counts as its list.
QString focusedControl()
{
    static const QRegularExpression control("^(Option|Combo|Text|Command)\\d+$");
    for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (control.match(widget->objectName()).hasMatch())
            return widget->objectName();
    return QStringLiteral("(none)");
}

void pressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        qFatal("no control has the focus");
    QTest::keyClick(focused, Qt::Key_Tab, modifiers);
}

// Everything a handler can change, to compare a keyboard choice with a mouse choice.
QStringList stateOf(const QWidget *form)
{
    QStringList state;
    for (const QRadioButton *option : form->findChildren<QRadioButton *>())
        state << QString("%1 %2 %3")
                     .arg(option->objectName())
                     .arg(option->isChecked())
                     .arg(option->isEnabled());
    for (const QComboBox *list : form->findChildren<QComboBox *>())
        state << QString("%1 %2 %3 %4")
                     .arg(list->objectName(), list->currentText())
                     .arg(list->currentIndex())
                     .arg(list->isEnabled());
    for (const QLineEdit *box : form->findChildren<QLineEdit *>())
        if (!box->objectName().isEmpty())
            state << QString("%1 %2 %3")
                         .arg(box->objectName(), box->text(), box->palette().base().color().name());
    return state;
}

} // namespace

class TestKeyboard : public WindowFixture {
    Q_OBJECT

private:
    // The window as a user sees it: active, with the focus where Qt first puts it.
    bool activate()
    {
        QApplication::setActiveWindow(m_form.get());
        return QTest::qWaitForWindowActive(m_form.get());
    }

    // Tabs from wherever the focus is to the named control; false if a whole round misses it.
    static bool tabTo(const QString &name)
    {
        for (int presses = 0; presses <= int(app::kControls.size()) && focusedControl() != name; ++presses)
            pressTab();
        return focusedControl() == name;
    }

    // The handlers a mouse click on the option button runs, and the window it leaves.
    static std::pair<QStringList, QStringList> byMouse(int option)
    {
        qtview::Window form;
        QStringList log;
        app::testing::Seam::watch(form.form(),
            [&log](const app::Binding &binding) { log << QString::fromStdString(app::nameOf(binding)); });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return {};
        QTest::mouseClick(WindowControls(&form).option(option), Qt::LeftButton);
        return { log, stateOf(&form) };
    }

    static std::pair<QStringList, QStringList> byMouse(int list, int row)
    {
        qtview::Window form;
        QStringList log;
        app::testing::Seam::watch(form.form(),
            [&log](const app::Binding &binding) { log << QString::fromStdString(app::nameOf(binding)); });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)
            || !actions::pickWithMouse(WindowControls(&form).combo(list), row))
            return {};
        return { log, stateOf(&form) };
    }

private slots:
    void init()
    {
        QVERIFY(openWindow());
        QVERIFY(activate());
        m_log.clear();
    }

    // Opened window; Tab pressed once per control; the focus visits every control once, in
    // tab-index order, read-outs included, comes back to the first, and runs no handler.
    void tabWalksEveryControl()
    {
        const QStringList expected = tabOrderOfTable();
        QCOMPARE(expected.size(), 47);
        QCOMPARE(focusedControl(), expected.first());
        QStringList visited { focusedControl() };
        for (int i = 1; i < expected.size(); ++i) {
            pressTab();
            visited << focusedControl();
        }
        QCOMPARE(visited, expected);
        pressTab();
        QCOMPARE(focusedControl(), expected.first());
        QVERIFY(m_log.isEmpty());
    }

    // Shift+Tab walks the same order backwards, also when option buttons are selected, which
    // must not make Tab skip the unselected buttons of their frame.
    void shiftTabWalksBackThroughSelectedGroups()
    {
        for (const int n : { 2, 6, 11, 16, 20, 22 })
            click(n);
        m_log.clear();
        QStringList expected = tabOrderOfTable();
        std::reverse(expected.begin(), expected.end());
        expected.removeOne(QStringLiteral("Combo1")); // a standard class disables the traditional lists
        expected.removeOne(QStringLiteral("Combo2"));
        expected.removeOne(QStringLiteral("Combo3"));
        expected.removeOne(QStringLiteral("Combo4"));
        expected.removeOne(QStringLiteral("Combo6"));
        expected.removeOne(QStringLiteral("Combo8"));
        expected.removeOne(QStringLiteral("Combo9"));
        expected.removeOne(QStringLiteral("Option14"));
        expected.removeOne(QStringLiteral("Command1"));
        option(22)->setFocus();
        expected.erase(
            expected.begin(), std::find(expected.begin(), expected.end(), QStringLiteral("Option22")));
        QStringList visited { focusedControl() };
        for (int i = 1; i < expected.size(); ++i) {
            pressTab(Qt::ShiftModifier);
            visited << focusedControl();
        }
        QCOMPARE(visited, expected);
        QVERIFY(m_log.isEmpty());
    }

    // Each option button, reached by Tab and chosen with Space, runs the handlers a mouse
    // click runs and leaves the window as the click does.
    void optionBySpace_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= 22; ++n)
            QTest::addRow("Option%d", n) << n;
    }

    void optionBySpace()
    {
        QFETCH(int, number);
        const auto [mouseLog, mouseState] = byMouse(number);
        QVERIFY(!mouseLog.isEmpty());
        QVERIFY(activate());
        QVERIFY(tabTo(QString("Option%1").arg(number)));
        QVERIFY(m_log.isEmpty());
        QTest::keyClick(option(number), Qt::Key_Space);
        QVERIFY(option(number)->isChecked());
        QCOMPARE(m_log, mouseLog);
        QCOMPARE(stateOf(m_form.get()), mouseState);
    }

    // Each list, reached by Tab and picked from the keyboard (opened with F4 or Alt+Down, or
    // stepped while closed), runs its pick handler as a mouse pick of the same item does.
    void listByKeyboard_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");
        for (const int n : { 1, 2, 3, 5, 6, 7, 8, 9, 10 })
            QTest::addRow("Combo%d F4", n) << n << 3 << "F4";
        for (const int n : { 2, 10 }) {
            QTest::addRow("Combo%d Alt+Down", n) << n << 1 << "Alt+Down";
            QTest::addRow("Combo%d Down", n) << n << 0 << "Down";
        }
    }

    void listByKeyboard()
    {
        QFETCH(int, number);
        QFETCH(int, row);
        QFETCH(QString, how);
        const auto [mouseLog, mouseState] = byMouse(number, row);
        QCOMPARE(mouseLog, QStringList { QString("Combo%1_Click").arg(number) });
        QVERIFY(activate());

        QComboBox *list = combo(number);
        QVERIFY(tabTo(list->objectName()));
        if (how == "Down") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        } else {
            QTest::keyClick(QApplication::focusWidget(), how == "F4" ? Qt::Key_F4 : Qt::Key_Down,
                how == "F4" ? Qt::NoModifier : Qt::AltModifier);
            QAbstractItemView *view = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < row; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
            QTRY_VERIFY(!view->isVisible());
        }
        QCOMPARE(list->currentIndex(), row);
        QCOMPARE(m_log, mouseLog);
        QCOMPARE(stateOf(m_form.get()), mouseState);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
