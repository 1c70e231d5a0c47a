#pragma once

#include "app/win32/owned_window.h"

#include <windows.h>

// The guide (使用说明) on the Win32 API: a resizable window owned by the calculator window, its
// client area filled by one read-only rich edit page that shows app::guide's blocks with their
// styles. Closing it or Esc hides it; it is destroyed with its owner.
namespace winview {

class GuideWindow final : public OwnedWindow {
public:
    // Made hidden, at the calculator window's DPI, with the whole guide in its page.
    GuideWindow(HINSTANCE instance, HWND calculatorWindow);
    ~GuideWindow();
    GuideWindow(const GuideWindow &) = delete;
    GuideWindow &operator=(const GuideWindow &) = delete;

    // Shows the window as it was left, activates it and puts the focus on the page.
    void open();
    // Esc in the window hides it: true if the message was used and must not be dispatched.
    bool translate(const MSG &message);

private:
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void changeDpi(UINT dpi) override;

    void fill();
    void zoom();

    HMODULE m_richEdit = nullptr; // the library of the page's class
    HWND m_page = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
};

} // namespace winview
