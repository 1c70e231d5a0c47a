// The rope selection window by real input: opened from the calculator's context menu, a job
// typed and picked, the list and the line under it as the selection model gives them, a rope
// taken over into the calculator, sorting, copying, the keyboard, and closing with the owner.

#include "app/help/help.h"
#include "app/qt/qt_text.h"
#include "app/qt/twips.h"
#include "app/selection/selection.h"
#include "tests/qt/widget_actions.h"
#include "tests/qt/window_fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

namespace {

using app::listing::Column;

constexpr int kHeadframeHoist = 2; // "井架提升6" in the purpose list

// A point of the widget that no child covers, so a click there reaches the widget itself.
QPoint bareSpot(const QWidget *widget)
{
    for (int y = 2; y < widget->height() - 2; y += 3)
        for (int x = 2; x < widget->width() - 2; x += 3)
            if (widget->childAt(x, y) == nullptr)
                return { x, y };
    qFatal("%s has no bare spot", qPrintable(widget->objectName()));
}

// A right click as the platform reports it, through the window, which makes the context-menu
// event of the widget under the pointer.
void rightClick(QWidget *widget, QPoint point)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, widget->mapTo(top, point));
}

QStringList cellsOf(const QAbstractItemModel *model, int row)
{
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells;
}

QString factorOf(const app::listing::Listed &row)
{
    return qtview::qtText(row.cells.at(std::size_t(Column::Factor)));
}

QStringList cellsOf(const app::listing::Listed &row)
{
    QStringList cells;
    for (const std::string &cell : row.cells)
        cells << qtview::qtText(cell);
    return cells;
}

} // namespace

class TestSelectionWindow : public WindowFixture {
    Q_OBJECT

private:
    QMenu *menu() const { return m_form->findChild<QMenu *>(QStringLiteral("contextMenu")); }
    bool menuShown() const { return menu() != nullptr && menu()->isVisible(); }
    QWidget *selection() const { return m_form->findChild<QWidget *>(QStringLiteral("Selection")); }
    // A control of the selection window by its object name, as the table gives it.
    template <typename T> T *in(app::SelectionControl control) const
    {
        return WindowControls(selection()).find<T>(qtview::qtText(app::specOf(control).name));
    }
    QTableView *table() const { return in<QTableView>(app::kRopeList); }

    // Right-click on a label of the calculator, then a click on the menu's item.
    bool openSelection() const
    {
        rightClick(m_form->findChild<QWidget *>(QStringLiteral("Label1")), { 3, 3 });
        if (!menuShown())
            return false;
        QAction *item = menu()->findChild<QAction *>(QStringLiteral("selectRopesAction"));
        QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(item).center());
        return selection() != nullptr && QTest::qWaitForWindowExposed(selection());
    }

    // Load 2000, length 600, "井架提升6" picked or typed; the model told the same.
    void typeJob(app::Selection &expected, bool pickPurpose) const
    {
        actions::type(in<QLineEdit>(app::kLoadBox), QStringLiteral("2000"));
        actions::type(in<QLineEdit>(app::kLengthBox), QStringLiteral("600"));
        expected.typeLoad("2000");
        expected.typeLength("600");
        if (pickPurpose) {
            QVERIFY(actions::pickWithMouse(in<QComboBox>(app::kPurposeBox), kHeadframeHoist));
            expected.pickPurpose(kHeadframeHoist);
        } else {
            actions::type(in<QComboBox>(app::kPurposeBox)->lineEdit(), QStringLiteral("井架提升6"));
            expected.typePurpose("井架提升6");
        }
    }

    // The calculator's result box of the row's method.
    QString resultFor(const app::listing::Listed &row) const
    {
        return text(row.rope.method == app::listing::Method::Traditional ? 6 : 13)->text();
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void contextMenuByMouse_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("where"); // "bare": where none of its children is
        QTest::addColumn<int>("option"); // an option button clicked first, if not 0
        QTest::addColumn<bool>("opens");
        QTest::newRow("window") << "Form1"
                                << "bare" << 0 << true;
        QTest::newRow("frame") << "Frame1"
                               << "bare" << 0 << true;
        QTest::newRow("label") << "Label1"
                               << "centre" << 0 << true;
        QTest::newRow("option button") << "Option1"
                                       << "centre" << 0 << true;
        QTest::newRow("push button") << "Command1"
                                     << "centre" << 0 << true;
        QTest::newRow("box") << "Text5"
                             << "centre" << 0 << false;
        QTest::newRow("read-out") << "Text1"
                                  << "centre" << 0 << false;
        QTest::newRow("list's field") << "Combo5"
                                      << "centre" << 0 << false;
        QTest::newRow("list's arrow") << "Combo5"
                                      << "right" << 0 << false;
        // A standard class disables the traditional method's diameter lists.
        QTest::newRow("disabled list") << "Combo1"
                                       << "centre" << 11 << false;
    }

    // Boxes and lists keep their own editing menu; elsewhere the right button opens ours.
    void contextMenuByMouse()
    {
        QFETCH(QString, control);
        QFETCH(QString, where);
        QFETCH(int, option);
        QFETCH(bool, opens);
        if (option != 0)
            click(option);
        QWidget *widget
            = control == QStringLiteral("Form1") ? m_form.get() : m_form->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->isEnabled(), option == 0);
        const QPoint point = where == QStringLiteral("bare") ? bareSpot(widget)
            : where == QStringLiteral("right") ? QPoint(widget->width() - 4, widget->height() / 2)
                                               : widget->rect().center();
        rightClick(widget, point);
        QCOMPARE(menuShown(), opens);
        if (opens) {
            const QList<QAction *> items = menu()->actions();
            QCOMPARE(items.size(), qsizetype(app::kMenuItems.size()));
            QCOMPARE(items.first()->text(), QStringLiteral("选择钢丝绳…"));
        }
        QApplication::closeAllWindows(); // the editing menu of a box, if any
    }

    void contextMenuByKeyboard_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Shift+F10 on an option button")
            << "Option1" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Menu key on an option button") << "Option10" << int(Qt::Key_Menu) << 0 << true;
        QTest::newRow("Shift+F10 on a push button")
            << "Command2" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
        QTest::newRow("F10 alone") << "Option1" << int(Qt::Key_F10) << 0 << false;
        QTest::newRow("Shift+F10 in a box") << "Text5" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Menu key in a box") << "Text5" << int(Qt::Key_Menu) << 0 << false;
    }

    void contextMenuByKeyboard()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QWidget *widget = m_form->findChild<QWidget *>(control);
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(menuShown(), opens);
    }

    void job_data()
    {
        QTest::addColumn<bool>("pickPurpose");
        QTest::addColumn<int>("uncheck"); // a method's check box clicked off, if not 0
        QTest::newRow("picked purpose, both methods") << true << 0;
        QTest::newRow("typed purpose, both methods") << false << 0;
        QTest::newRow("traditional only") << true << int(app::SelectionControl::StandardCheck);
        QTest::newRow("standard only") << true << int(app::SelectionControl::TraditionalCheck);
    }

    // The list and the line under it are the model's for the same input; Enter on the first
    // row makes the calculator show exactly its safety factor and brings the calculator up.
    void job()
    {
        QFETCH(bool, pickPurpose);
        QFETCH(int, uncheck);
        QVERIFY(openSelection());
        QCOMPARE(selection()->parentWidget(), m_form.get());
        QVERIFY(selection()->isWindow());
        QCOMPARE(selection()->windowTitle(), QStringLiteral("选择钢丝绳"));
        QCOMPARE(selection()->size(),
            QSize(qtview::twipsToPixels(app::kSelectionWidth), qtview::twipsToPixels(app::kSelectionHeight)));
        QCOMPARE(selection()->minimumSize(), selection()->maximumSize());
        app::Selection expected;
        QCOMPARE(in<QLabel>(app::kStatusLabel)->text(), qtview::qtText(expected.status()));
        typeJob(expected, pickPurpose);
        if (uncheck != 0) {
            QTest::mouseClick(in<QCheckBox>(app::SelectionControl(uncheck)), Qt::LeftButton);
            expected.showMethod(app::SelectionControl(uncheck) == app::SelectionControl::StandardCheck
                    ? app::listing::Method::Standard
                    : app::listing::Method::Traditional,
                false);
        }
        QVERIFY(!expected.rows().empty());
        QCOMPARE(table()->model()->rowCount(), int(expected.rows().size()));
        QCOMPARE(cellsOf(table()->model(), 0), cellsOf(expected.rows().front()));
        QCOMPARE(in<QLabel>(app::kStatusLabel)->text(), qtview::qtText(expected.status()));
        QCOMPARE(table()->currentIndex().row(), 0);
        // The inputs keep what the user typed.
        QCOMPARE(in<QLineEdit>(app::kLoadBox)->text(), QStringLiteral("2000"));
        QCOMPARE(in<QComboBox>(app::kPurposeBox)->currentText(), QStringLiteral("井架提升6"));

        QTest::keyClick(table(), Qt::Key_Return);
        const QString factor = qtview::qtText(expected.rows().front().cells.at(std::size_t(Column::Factor)));
        QCOMPARE(resultFor(expected.rows().front()), factor);
        QTRY_COMPARE(QApplication::activeWindow(), m_form.get());

        // Closed by Esc, it is only hidden; the menu shows it again with the job as it was.
        selection()->activateWindow();
        QTest::keyClick(in<QLineEdit>(app::kLoadBox), Qt::Key_Escape);
        QVERIFY(!selection()->isVisible());
        QVERIFY(openSelection());
        QCOMPARE(in<QLineEdit>(app::kLengthBox)->text(), QStringLiteral("600"));
        QCOMPARE(cellsOf(table()->model(), 0), cellsOf(expected.rows().front()));
        QCOMPARE(m_form->findChildren<QWidget *>(QStringLiteral("Selection")).size(), 1);
    }

    void takeOverWays_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("double-click") << "double-click";
        QTest::newRow("用于计算") << "button";
        QTest::newRow("keypad Enter") << "keypad Enter";
    }

    // A row other than the first, made current by a click or a double-click, is the one taken,
    // by the double-click, the button or the keypad's Enter.
    void takeOverWays()
    {
        QFETCH(QString, way);
        QVERIFY(openSelection());
        app::Selection expected;
        typeJob(expected, true);
        const auto &rows = expected.rows();
        int other = 1;
        while (other < int(rows.size()) && factorOf(rows.at(std::size_t(other))) == factorOf(rows.front()))
            ++other;
        QVERIFY(other < 12); // on the first screen of the list
        const QPoint centre = table()->visualRect(table()->model()->index(other, 0)).center();
        if (way == QStringLiteral("double-click")) {
            // Through the window, as the platform reports it: press, release, press, release.
            QTest::mouseDClick(selection()->windowHandle(), Qt::LeftButton, {},
                table()->viewport()->mapTo(selection(), centre));
        } else {
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
            if (way == QStringLiteral("button"))
                QTest::mouseClick(in<QPushButton>(app::kUseButton), Qt::LeftButton);
            else
                QTest::keyClick(table(), Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(resultFor(rows.at(std::size_t(other))), factorOf(rows.at(std::size_t(other))));
    }

    void homeAndEnd_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("toLast");
        QTest::newRow("End") << int(Qt::Key_End) << 0 << true;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << false;
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << false;
    }

    // From a row in the list's first screen, End or Home and then Enter take the last or the
    // first rope over, as in a list of rows, not the row made current by the click.
    void homeAndEnd()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, toLast);
        QVERIFY(openSelection());
        app::Selection expected;
        typeJob(expected, true);
        const auto &rows = expected.rows();
        const std::size_t target = toLast ? rows.size() - 1 : 0;
        // A row of another factor than the target's, so that the result tells which was taken.
        std::size_t start = 1;
        while (start < 12 && factorOf(rows.at(start)) == factorOf(rows.at(target)))
            ++start;
        QVERIFY(start < 12);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
            table()->visualRect(table()->model()->index(int(start), 0)).center());
        QCOMPARE(table()->currentIndex().row(), int(start));
        QTest::keyClick(table(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(table()->currentIndex().row(), int(target));
        QCOMPARE(resultFor(rows.at(target)), factorOf(rows.at(target)));
    }

    void checkedWorkClicked_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("work");
        QTest::newRow("安装, checked from the start")
            << int(app::SelectionControl::InstallOption) << int(standard::WorkType::Installation);
        QTest::newRow("矿建, checked by the first click")
            << int(app::SelectionControl::MineOption) << int(standard::WorkType::MineConstruction);
    }

    // A work type's button clicked, a row made current, the same button clicked again: the
    // second click changes nothing, and the row stays current.
    void checkedWorkClicked()
    {
        QFETCH(int, option);
        QFETCH(int, work);
        QVERIFY(openSelection());
        app::Selection expected;
        typeJob(expected, true);
        auto *button = in<QRadioButton>(app::SelectionControl(option));
        QTest::mouseClick(button, Qt::LeftButton);
        expected.selectWork(standard::WorkType(work));
        constexpr int row = 3;
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
            table()->visualRect(table()->model()->index(row, 0)).center());
        QCOMPARE(table()->currentIndex().row(), row);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QCOMPARE(table()->currentIndex().row(), row);
        QCOMPARE(table()->model()->rowCount(), int(expected.rows().size()));
        QCOMPARE(cellsOf(table()->model(), row), cellsOf(expected.rows().at(row)));
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::newRow("破断拉力 ascending") << int(Column::Breaking) << 1;
        QTest::newRow("安全系数 descending") << int(Column::Factor) << 2;
        QTest::newRow("类别 ascending") << int(Column::Class) << 1;
    }

    // A header click orders the list as the model orders it, and shows so in the header.
    void sorting()
    {
        QFETCH(int, column);
        QFETCH(int, clicks);
        QVERIFY(openSelection());
        app::Selection expected;
        typeJob(expected, true);
        QHeaderView *header = table()->horizontalHeader();
        const QPoint middle(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            expected.sortBy(Column(column));
            QTest::qWait(QApplication::doubleClickInterval() + 20); // two clicks, not a double-click
        }
        QCOMPARE(cellsOf(table()->model(), 0), cellsOf(expected.rows().front()));
        QCOMPARE(
            cellsOf(table()->model(), table()->model()->rowCount() - 1), cellsOf(expected.rows().back()));
        QCOMPARE(header->sortIndicatorSection(), column);
        QCOMPARE(
            header->sortIndicatorOrder(), expected.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCOMPARE(table()->currentIndex().row(), 0);
    }

    // 斜井 by a click enables the inclined inputs and renames the length; the worked example
    // typed into them lists what the model lists, a bad angle empties the list, and 竖井 by the
    // arrow key disables them again with the vertical job's list back.
    void inclinedJob()
    {
        QVERIFY(openSelection());
        app::Selection expected;
        actions::type(in<QLineEdit>(app::kLoadBox), QStringLiteral("8000"));
        actions::type(in<QLineEdit>(app::kLengthBox), QStringLiteral("620"));
        actions::type(in<QComboBox>(app::kPurposeBox)->lineEdit(), QStringLiteral("矿井提物7.5"));
        expected.typeLoad("8000");
        expected.typeLength("620");
        expected.typePurpose("矿井提物7.5");
        const auto boxes = app::kInclinedInputs;
        for (const app::InclinedInput &row : boxes)
            QVERIFY(!in<QLineEdit>(row.box)->isEnabled());
        auto *inclined = in<QRadioButton>(app::SelectionControl::InclinedOption);
        QTest::mouseClick(inclined, Qt::LeftButton);
        expected.selectWay(app::listing::Way::Inclined);
        QVERIFY(inclined->isChecked() && in<QRadioButton>(app::SelectionControl::InstallOption)->isChecked());
        QCOMPARE(in<QLabel>(app::kLengthLabel)->text(), QStringLiteral("斜长(m)"));
        QCOMPARE(in<QLabel>(app::kStatusLabel)->text(), QStringLiteral("请输入倾角"));
        QCOMPARE(table()->model()->rowCount(), 0);
        const std::array<QString, 3> typed { QStringLiteral("28"), QStringLiteral("0.015"),
            QStringLiteral("0.15") };
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            QVERIFY(in<QLineEdit>(boxes.at(k).box)->isEnabled());
            actions::type(in<QLineEdit>(boxes.at(k).box), typed.at(k));
            expected.typeInclined(boxes.at(k).input, typed.at(k).toStdString());
        }
        QVERIFY(expected.rows().size() > 200);
        QCOMPARE(table()->model()->rowCount(), int(expected.rows().size()));
        for (int row = 0; row < table()->model()->rowCount(); row += 17)
            QCOMPARE(cellsOf(table()->model(), row), cellsOf(expected.rows().at(std::size_t(row))));
        QCOMPARE(in<QLabel>(app::kStatusLabel)->text(), qtview::qtText(expected.status()));
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(resultFor(expected.rows().front()), factorOf(expected.rows().front()));

        QLineEdit *angle = in<QLineEdit>(boxes.front().box);
        angle->selectAll();
        actions::type(angle, QStringLiteral("0"));
        QCOMPARE(table()->model()->rowCount(), 0);
        QCOMPARE(in<QLabel>(app::kStatusLabel)->text(), QStringLiteral("倾角须大于0°且不大于90°"));

        inclined->setFocus(Qt::TabFocusReason);
        QTest::keyClick(inclined, Qt::Key_Up);
        expected.typeInclined(app::Inclined::Angle, "0");
        expected.selectWay(app::listing::Way::Vertical);
        QVERIFY(in<QRadioButton>(app::SelectionControl::VerticalOption)->isChecked());
        QVERIFY(in<QRadioButton>(app::SelectionControl::InstallOption)->isChecked());
        for (const app::InclinedInput &row : boxes)
            QVERIFY(!in<QLineEdit>(row.box)->isEnabled() && !in<QLabel>(row.label)->isEnabled());
        QCOMPARE(in<QLineEdit>(boxes.front().box)->text(), QStringLiteral("0"));
        QCOMPARE(in<QLabel>(app::kLengthLabel)->text(), QStringLiteral("悬垂长度(m)"));
        QCOMPARE(table()->model()->rowCount(), int(expected.rows().size()));
        QCOMPARE(cellsOf(table()->model(), 0), cellsOf(expected.rows().front()));
    }

    void copy()
    {
        QVERIFY(openSelection());
        app::Selection expected;
        typeJob(expected, false);
        QApplication::clipboard()->clear();
        QTest::mouseClick(in<QPushButton>(app::kCopyButton), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(expected.copyText()));
    }

    // Tab visits every input in the order of the control table, and each label names its input.
    // The inclined inputs take the focus once 斜井 is chosen.
    void keyboard()
    {
        QVERIFY(openSelection());
        QVERIFY(QTest::qWaitForWindowActive(selection()));
        QTest::mouseClick(in<QRadioButton>(app::SelectionControl::InclinedOption), Qt::LeftButton);
        QStringList expected;
        QStringList visited;
        const QLabel *label = nullptr;
        for (const app::SelectionSpec &row : app::kSelectionControls) {
            QWidget *control = in<QWidget>(row.control);
            if (row.piece == app::Piece::Label) {
                label = static_cast<QLabel *>(control);
                continue;
            }
            if (row.piece == app::Piece::Status)
                continue;
            // Nothing is listed yet, so there is no row to make a sheet of and Tab passes the button.
            if (row.control == app::SelectionControl::SheetButton) {
                QVERIFY(!control->isEnabled());
                continue;
            }
            if (label != nullptr)
                QCOMPARE(label->buddy(), control);
            label = nullptr;
            if (!row.accessibleName.empty())
                QCOMPARE(control->accessibleName(), qtview::qtText(row.accessibleName));
            expected << qtview::qtText(row.name);
        }
        in<QLineEdit>(app::kLoadBox)->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < expected.size(); ++i) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            // The purpose list's field counts as the list.
            const QWidget *control = focused;
            while (control != nullptr && !expected.contains(control->objectName()))
                control = control->parentWidget();
            visited << (control != nullptr ? control->objectName() : focused->objectName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    // With both windows open, closing the calculator closes the selection window and ends the
    // program's event loop, as the last window closed does.
    void closingTheCalculatorQuits()
    {
        QVERIFY(openSelection());
        QTimer::singleShot(0, m_form.get(), [this] { m_form->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!selection()->isVisible());
    }
};

QTEST_MAIN(TestSelectionWindow)
#include "tst_selection_window.moc"
