#pragma once

#include "app/sheet/sheet.h"
#include "app/win32/owned_window.h"

#include <string>
#include <windows.h>

// The calculation sheet's preview on the Win32 API: a resizable window owned by the calculator
// window, its two buttons above a read-only rich edit page that shows the sheet's RTF as it will
// print. 打印… prints the page through the system's print dialog, 保存… writes the sheet as RTF or
// HTML through the system's save dialog. Closing it or Esc hides it; it is destroyed with its owner.
namespace winview {

// Today's date as the sheet prints it.
std::string today();

class SheetWindow final : public OwnedWindow {
public:
    // Made hidden, at the calculator window's DPI, with an empty page.
    SheetWindow(HINSTANCE instance, HWND calculatorWindow);
    ~SheetWindow();
    SheetWindow(const SheetWindow &) = delete;
    SheetWindow &operator=(const SheetWindow &) = delete;

    // Shows the document in the page, at its top, and the window activated with the page focused.
    void open(app::sheet::Document document);
    // Esc hides the window, Tab moves between its controls: true if the message was used.
    bool translate(MSG &message);

private:
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void changeDpi(UINT dpi) override;

    void layout();
    void fill();
    void print();
    void save();

    app::sheet::Document m_document;
    HMODULE m_richEdit = nullptr; // the library of the page's class
    HWND m_page = nullptr;
    HFONT m_font = nullptr; // the buttons'
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
};

} // namespace winview
