// Opens the window on the offscreen platform, brings it into the states the README shows by
// real clicks and typing, and saves a picture of each into the folder it is given. Stops with
// an error if the window does not reach a state, so no picture shows what it does not claim.

#include "app/qt/window.h"
#include "tests/qt/widget_actions.h"
#include "tests/support/window_controls.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <cstdio>

namespace {

bool save(QWidget &window, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "screenshot_states: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool reached(const QLineEdit *result, const QString &expected, const char *state)
{
    if (result->text() == expected)
        return true;
    std::fprintf(stderr, "screenshot_states: %s shows '%s', not '%s'\n", state, qPrintable(result->text()),
        qPrintable(expected));
    return false;
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_states FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    qtview::Window window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const WindowControls controls(&window);
    if (!save(window, folder, QStringLiteral("window-start")))
        return 1;

    // Traditional method: 6×19＋1, 155kg/mm2, φ20.0, 2000 on a headframe hoist: 19890 / 2000.
    click(controls.option(1));
    click(controls.option(6));
    if (!actions::pickWithMouse(controls.combo(1), 9))
        return 1;
    actions::type(controls.text(5), QStringLiteral("2000"));
    if (!actions::pickWithMouse(controls.combo(5), 2))
        return 1;
    if (!actions::pressShowingMessages(controls.command(1)).isEmpty()
        || !reached(controls.text(6), QStringLiteral("9.945"), "the traditional result")
        || !save(window, folder, QStringLiteral("window-traditional")))
        return 1;

    // Its calculation sheet, by Ctrl+P.
    QTest::keyClick(controls.command(1), Qt::Key_P, Qt::ControlModifier);
    auto *sheet = window.findChild<QWidget *>(QStringLiteral("Sheet"));
    if (sheet == nullptr || !QTest::qWaitForWindowExposed(sheet)
        || !save(*sheet, folder, QStringLiteral("sheet-linux")))
        return 1;
    sheet->hide();

    // Standard method: 6×19＋1, fibre core, 1570kN/mm2, φ6 breaks at 17.3 kN, far too weak
    // for 500 on a headframe hoist.
    click(controls.option(10));
    click(controls.option(19));
    click(controls.option(15));
    if (!actions::pickWithMouse(controls.combo(6), 3)
        || !reached(controls.text(10), QStringLiteral("17.3"), "the fibre-core breaking force"))
        return 1;
    actions::type(controls.text(12), QStringLiteral("500"));
    if (!actions::pickWithMouse(controls.combo(10), 2))
        return 1;
    if (!actions::pressShowingMessages(controls.command(2)).isEmpty()
        || !reached(controls.text(13), QStringLiteral("重选钢丝绳"), "the standard result")
        || !save(window, folder, QStringLiteral("window-standard-warning")))
        return 1;

    // The selection window from the context menu of a label, with an inclined job: load 8000,
    // "斜井" clicked, slope length 620, angle 28, f1 0.015, f2 0.15, "矿井提物7.5", both methods,
    // "安装", the first row clicked.
    const QWidget *label = window.findChild<QWidget *>(QStringLiteral("Label1"));
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, label->mapTo(&window, QPoint(3, 3)));
    auto *menu = window.findChild<QMenu *>(QStringLiteral("contextMenu"));
    if (menu == nullptr || !menu->isVisible()) {
        std::fprintf(stderr, "screenshot_states: no context menu\n");
        return 1;
    }
    auto *item = menu->findChild<QAction *>(QStringLiteral("selectRopesAction"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    auto *selection = window.findChild<QWidget *>(QStringLiteral("Selection"));
    if (selection == nullptr || !QTest::qWaitForWindowExposed(selection))
        return 1;
    const WindowControls chosen(selection);
    actions::type(chosen.find<QLineEdit>(QStringLiteral("loadBox")), QStringLiteral("8000"));
    QTest::mouseClick(chosen.find<QRadioButton>(QStringLiteral("inclinedOption")), Qt::LeftButton);
    actions::type(chosen.find<QLineEdit>(QStringLiteral("lengthBox")), QStringLiteral("620"));
    actions::type(chosen.find<QLineEdit>(QStringLiteral("angleBox")), QStringLiteral("28"));
    actions::type(chosen.find<QLineEdit>(QStringLiteral("trackBox")), QStringLiteral("0.015"));
    actions::type(chosen.find<QLineEdit>(QStringLiteral("dragBox")), QStringLiteral("0.15"));
    if (!actions::pickWithMouse(chosen.find<QComboBox>(QStringLiteral("purposeBox")), 4))
        return 1;
    auto *list = chosen.find<QTableView>(QStringLiteral("ropeList"));
    if (list->model()->rowCount() == 0) {
        std::fprintf(stderr, "screenshot_states: the selection lists no rope\n");
        return 1;
    }
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    if (list->currentIndex().row() != 0 || !save(*selection, folder, QStringLiteral("selection-linux")))
        return 1;

    // The guide, by F1 in the calculator.
    QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("Option1")), Qt::Key_F1);
    auto *guide = window.findChild<QWidget *>(QStringLiteral("Guide"));
    if (guide == nullptr || !QTest::qWaitForWindowExposed(guide)
        || !save(*guide, folder, QStringLiteral("guide-linux")))
        return 1;
    return 0;
}
