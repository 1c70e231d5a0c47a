#include "app/win32/owned_window.h"

#include "app/win32/win_text.h"

namespace winview {

OwnedWindow::OwnedWindow(Shape shape)
    : m_shape(shape)
    , m_default(shape.dialog ? DefDlgProcW : DefWindowProcW)
{
}

// A window the derived window did not destroy was never made whole: it no longer reaches it.
OwnedWindow::~OwnedWindow()
{
    abandon();
}

void OwnedWindow::create(HINSTANCE instance, const wchar_t *className, std::string_view caption, DWORD style,
    DWORD exStyle, SIZE size, HWND owner)
{
    registerWindowClass(
        instance, className, m_shape.dialog ? procedure<true> : procedure<false>, m_shape.dialog);
    checked(CreateWindowExW(exStyle, className, wide(caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                size.cx, size.cy, owner, nullptr, instance, this),
        "CreateWindowExW");
}

void OwnedWindow::destroy()
{
    if (m_window != nullptr)
        DestroyWindow(m_window);
}

void OwnedWindow::abandon()
{
    if (m_window == nullptr)
        return;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    m_window = nullptr;
}

// Messages before WM_NCCREATE, and after the window is abandoned, reach no object: the class's
// default procedure answers them.
template <bool Dialog>
LRESULT CALLBACK OwnedWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<OwnedWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<OwnedWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return Dialog ? DefDlgProcW(window, message, wParam, lParam)
                      : DefWindowProcW(window, message, wParam, lParam);
    return self->guarded(
        window, self->m_default, [&] { return self->route(window, message, wParam, lParam); });
}

LRESULT OwnedWindow::route(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        close();
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_NCDESTROY: {
        // The last message: the derived window forgets its controls, and the default procedure
        // still gets it for `window`.
        const LRESULT result = handleMessage(window, message, wParam, lParam);
        m_window = nullptr;
        return result;
    }
    default:
        return handleMessage(window, message, wParam, lParam);
    }
}

// A dialog's procedure would turn the close box into IDCANCEL, as Esc; here it closes.
void OwnedWindow::close()
{
    if (m_shape.hides)
        ShowWindow(m_window, SW_HIDE); // with its contents as they are, for the next opening
    else
        DestroyWindow(m_window);
}

// On a monitor of another DPI the window is laid out anew, so that it keeps its shape and its text
// stays sharp. A fixed-size window sizes itself to its design, and takes only the suggested place.
void OwnedWindow::dpiChanged(UINT dpi, const RECT &suggested)
{
    changeDpi(dpi);
    const UINT keepSize = m_shape.resizable ? 0 : SWP_NOSIZE;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
        suggested.bottom - suggested.top, keepSize | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace winview
