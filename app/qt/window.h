#pragma once

#include "app/calculator/form1.h"
#include "app/sheet/sheet.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The calculator window on Qt Widgets: the controls built from the control table, each named
// after its control ("Form1", "Combo6"), showing the state the window's model holds, and
// reporting to it only what the user does (window.cpp says which signal counts as which input).
namespace qtview {

class GuideWindow;
class SelectionWindow;
class SheetWindow;

class Window : public QWidget, private app::View {
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);

    app::Form1 &form() { return m_form; }
    // Shows every control as the model holds it, as after the model's state was preset.
    void showAll();

protected:
    // The right mouse button anywhere but on a box or a list, which keep their own editing menu.
    void contextMenuEvent(QContextMenuEvent *event) override;
    // Shift+F10 and the Menu key on a focused option or push button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openMenu(const QPoint &globalPos);
    void openSelection();
    void openGuide();
    // The sheet of the calculation shown last, if the calculator shows one.
    void openLastSheet();
    void openSheet(const app::sheet::Document &sheet);
    void buildControls();
    void fillLists();
    void nameControls();
    void connectInputs();
    QWidget *widget(app::Ref ref);

    void stateChanged(app::Ref control) override;
    void showMessage(std::string_view text) override;
    void showOption(int n);
    void showList(int n);
    void showBox(int n);

    app::Form1 m_form;
    template <app::Kind kind, typename T> using Controls = std::array<T *, app::highestNumber(kind) + 1>;
    // Indexed by the control's number; index 0 is unused.
    Controls<app::Kind::Frame, QGroupBox> m_frames {};
    Controls<app::Kind::Label, QLabel> m_labels {};
    Controls<app::Kind::Option, QRadioButton> m_options {};
    Controls<app::Kind::Combo, QComboBox> m_combos {};
    Controls<app::Kind::Text, QLineEdit> m_texts {};
    Controls<app::Kind::Command, QPushButton> m_commands {};
    QMenu *m_menu = nullptr;
    QAction *m_guideAction = nullptr; // F1 here and in the selection window, and the menu's item
    SelectionWindow *m_selection = nullptr; // made when first opened
    GuideWindow *m_guide = nullptr; // the same
    QAction *m_sheetAction = nullptr; // Ctrl+P and the menu's item
    SheetWindow *m_sheet = nullptr; // made when first opened
};

} // namespace qtview
