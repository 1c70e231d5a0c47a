#pragma once

#include "app/calculator/form1.h"
#include "app/selection/selection.h"
#include "app/sheet/sheet.h"
#include "app/win32/control_ids.h"
#include "app/win32/dropped_list.h"
#include "app/win32/owned_window.h"
#include "app/win32/system.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

struct tagLVDISPINFOW;

// The rope selection window on the Win32 API: a window of a dialog's class owned by the
// calculator window, its controls built from app::kSelectionControls with their fixed IDs, a
// virtual report list that draws its cells from the model's rows, and a rope taken over into the
// calculator's own Form1. Closing it hides it; it is destroyed with its owner.
namespace winview {

class SelectionWindow final : public OwnedWindow {
public:
    // Made hidden, at the calculator window's DPI; `calculator` is the model a rope is taken
    // over into, which tells the calculator's view every change; `showSheet` shows a row's
    // calculation sheet in the calculator window's preview.
    SelectionWindow(HINSTANCE instance, HWND calculatorWindow, app::Form1 &calculator,
        std::function<void(app::sheet::Document)> showSheet);
    ~SelectionWindow();
    SelectionWindow(const SelectionWindow &) = delete;
    SelectionWindow &operator=(const SelectionWindow &) = delete;

    // Shows the window as it was left, and activates it.
    void open();
    // Keyboard navigation of a dialog: true if the message was used and must not be dispatched.
    bool translate(MSG &message);

private:
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    void buildControls(HINSTANCE instance);
    void nameControls();
    void makeFont();
    RECT placeOf(const app::SelectionSpec &row) const;
    void addColumns();
    void changeDpi(UINT dpi) override;
    HWND control(app::SelectionControl id) const { return GetDlgItem(m_window, controlId(id)); }

    void command(int id, int code);
    bool input(app::SelectionControl id, int code);
    bool selectOption(app::SelectionControl option);
    void showOptions();
    void showWay();
    bool moveBetweenOptions(HWND focused, WPARAM key);
    void listCommand(int code);
    LRESULT notify(const NMHDR &header);
    void cellText(tagLVDISPINFOW &info) const;
    void showListing();
    void invalidateChanged();
    void takeOver();
    void copy();
    void sheet();
    void showSheetButton();

    app::Selection m_selection;
    app::Form1 &m_calculator;
    HWND m_calculatorWindow;
    std::function<void(app::sheet::Document)> m_showSheet;
    HWND m_list = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    HFONT m_font = nullptr;
    int m_lineHeight = 0; // of the font, in pixels
    DroppedList m_dropped; // the purpose list as it was opened, to put back without a pick
    // The cells the list last showed, by row from its top row, which was m_shownTop.
    std::vector<std::array<std::string, app::listing::kColumnCount>> m_shown;
    int m_shownTop = -1;
    std::unique_ptr<ControlNames> m_names;
    int m_writing = 0; // the window's own writes under way, whose notifications are no input
};

} // namespace winview
