#pragma once

#include "app/win32/system.h"

#include <exception>
#include <string_view>
#include <utility>
#include <windows.h>

// What the program's three top-level windows do alike: an object behind each window, reached from
// the window's procedure from its first message on; the default procedure its class calls for; a
// new DPI laying the window out anew where the system suggests; closing it, which hides a window
// kept for its next opening; and the edge no exception crosses. The derived window handles the
// rest of its messages in handleMessage and lays itself out in changeDpi.
namespace winview {

class OwnedWindow {
public:
    OwnedWindow(const OwnedWindow &) = delete;
    OwnedWindow &operator=(const OwnedWindow &) = delete;

    HWND handle() const { return m_window; }

protected:
    struct Shape {
        bool dialog = false; // a dialog's class, whose default procedure is DefDlgProcW
        bool resizable = false; // takes the system's suggested size on a new DPI, not its own
        bool hides = false; // closing hides it; otherwise closing destroys it
    };

    explicit OwnedWindow(Shape shape);
    ~OwnedWindow();

    // Registers the window's class once, and makes the window hidden, in the given size.
    void create(HINSTANCE instance, const wchar_t *className, std::string_view caption, DWORD style,
        DWORD exStyle, SIZE size, HWND owner);
    // Destroys the window while the derived window still takes its messages.
    void destroy();
    // Destroys a half-made window without its messages reaching a window that was never made.
    void abandon();

    LRESULT defaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return m_default(window, message, wParam, lParam);
    }

    // No exception may unwind through the system's frames: one that reaches a procedure is told to
    // the user once (what follows a failure may fail again), and the program ends with a failure
    // status; the message is answered as `fallback` answers none.
    template <typename Handle> LRESULT guarded(HWND window, WNDPROC fallback, const Handle &handle)
    {
        const auto fail = [this](const char *what) {
            if (std::exchange(m_failed, true))
                return;
            tellFailure(what);
            PostQuitMessage(kFailed);
        };
        try {
            return handle();
        } catch (const std::exception &failure) {
            fail(failure.what());
        } catch (...) {
            fail("unknown exception");
        }
        return fallback(window, WM_NULL, 0, 0);
    }

    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void changeDpi(UINT dpi) = 0;

    HWND m_window = nullptr; // from the window's first message to its last

private:
    template <bool Dialog>
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void close();
    void dpiChanged(UINT dpi, const RECT &suggested);

    Shape m_shape;
    WNDPROC m_default;
    bool m_failed = false; // told the user the window cannot go on
};

} // namespace winview
