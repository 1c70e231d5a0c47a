#pragma once

#include <string>
#include <string_view>
#include <windows.h>

struct IAccPropServices;

// What the program's windows ask of the system in the same way: calls that must not fail, their
// window classes, a control's text, a window's size for its client area, the font's line, the
// names a screen reader reads, and the window's own writes to its controls.
namespace winview {

// The exit status of a program that could not go on.
constexpr int kFailed = 1;

// Tells the user, in a message box, why the program cannot go on.
void tellFailure(const char *what);

// A system call that gave nothing back fails loudly: what was called, and the system's error number.
[[noreturn]] void throwFailure(const char *call);
template <typename T> T checked(T made, const char *call)
{
    if (made == T {})
        throwFailure(call);
    return made;
}

std::wstring textOf(HWND control);

// Registers a class of the program's top-level windows, once, with the program's icon in both
// sizes. A dialog's class gets the extra bytes DefDlgProcW keeps and the dialog colour; another
// the colour of a page.
void registerWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure, bool dialog);

// The window's size for a client area of the design's size in twips at a DPI, with its frame.
SIZE frameSize(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi);

// The height of one line of the font as the window draws it, in pixels.
int lineHeightOf(HWND window, HFONT font);

// Counts the window's own writes to its controls while one is under way: the notifications they
// raise are no input.
class Writing {
public:
    explicit Writing(int &underway)
        : m_underway(++underway)
    {
    }
    ~Writing() { --m_underway; }
    Writing(const Writing &) = delete;
    Writing &operator=(const Writing &) = delete;

private:
    int &m_underway;
};

// What a screen reader announces for controls without a caption of their own, through the
// system's annotation service. COM is loaded here, not linked, so that starting the program does
// not wait for it; where the system offers no service, nothing is named.
class ControlNames {
public:
    ControlNames();
    ~ControlNames();
    ControlNames(const ControlNames &) = delete;
    ControlNames &operator=(const ControlNames &) = delete;

    void name(HWND control, std::string_view name);
    void clear(HWND control);

private:
    HMODULE m_ole32 = nullptr;
    bool m_com = false; // joined COM
    IAccPropServices *m_annotations = nullptr;
};

} // namespace winview
