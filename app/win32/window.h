#pragma once

#include "app/calculator/control_table.h"
#include "app/calculator/form1.h"
#include "app/help/help.h"
#include "app/sheet/sheet.h"
#include "app/win32/dropped_list.h"
#include "app/win32/owned_window.h"
#include "app/win32/system.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>
#include <windows.h>

// The calculator window on the Win32 API: the system's standard controls built from the control
// table, each with its fixed ID (control_ids.h), showing the state the window's model holds and
// reporting to it only what the user does (window.cpp says which notification counts as which
// input). Laid out in twips, turned into pixels at the window's DPI, and again when it changes.
namespace winview {

class GuideWindow;
class SelectionWindow;
class SheetWindow;

class Window final : public OwnedWindow, private app::View {
public:
    explicit Window(HINSTANCE instance);
    ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Keyboard navigation of a dialog: true if the message was used and must not be dispatched.
    bool translate(MSG &message);

private:
    static LRESULT CALLBACK optionProc(
        HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR window);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    void buildControls(HINSTANCE instance);
    void nameControls();
    HFONT makeFont();
    RECT placeOf(const app::ControlSpec &row) const;
    void fitFont(HWND made);
    void fitWindow();
    void changeDpi(UINT dpi) override;
    HWND control(app::Ref ref) const;

    void command(int id, int code);
    void listCommand(int n, int code);
    bool moveWithinGroup(HWND focused, WPARAM key);
    void contextMenu(HWND clicked, LPARAM where);
    void perform(app::Command command);
    void openSelection();
    void openGuide();
    std::optional<app::sheet::Document> calculationSheet() const;
    void openSheet(app::sheet::Document sheet);
    HBRUSH boxColour(HWND box, HDC dc);

    void stateChanged(app::Ref changed) override;
    void showMessage(std::string_view text) override;
    void showOption(int n);
    void showList(int n);
    void showBox(int n);

    app::Form1 m_form;
    HINSTANCE m_instance;
    HWND m_owner = nullptr; // hidden, so that the window has no taskbar button of its own
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    HFONT m_font = nullptr;
    int m_lineHeight = 0; // of the font, in pixels
    std::array<std::vector<HWND>, app::kKindCount> m_controls; // by kind, then number
    std::vector<int> m_listItems; // by list number: the model's item each list last showed
    DroppedList m_dropped; // the list last opened, as it was before it opened
    std::map<std::tuple<int, int, int>, HBRUSH> m_brushes; // a result box's colours
    std::unique_ptr<ControlNames> m_names; // made once the window is up
    int m_writing = 0; // the model's writes under way, whose notifications are no input
    bool m_focusing = false; // an option button taking the focus, which is no click
    std::unique_ptr<SelectionWindow> m_selection; // made when first opened
    std::unique_ptr<GuideWindow> m_guide; // made when first opened
    std::unique_ptr<SheetWindow> m_sheet; // made when first opened
};

} // namespace winview
