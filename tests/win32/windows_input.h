#pragma once

// What the Windows tests do to the real ropecalc.exe, as a user does: the program started as its
// own process and its window found, controls read back by their fixed IDs, and SendInput
// clicks, keys and Unicode typing.

#include "app/calculator/control_table.h"
#include "app/win32/control_ids.h"
#include "app/win32/win_text.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <windows.h>

namespace drive {

using app::Ref;
using winview::utf8;
using winview::wide;

// Waits for a condition the window reaches once it has handled the input sent before.
inline bool eventually(const std::function<bool()> &condition, DWORD milliseconds = 5000)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20))
        if (condition())
            return true;
    return condition();
}

// Lets the window handle what was sent, where nothing visible is to change.
inline void settle()
{
    Sleep(400);
}

// A Win32 structure that states its own size, zeroed.
template <typename T> inline T sized()
{
    T value {};
    value.cbSize = sizeof(T);
    return value;
}

class Calculator {
public:
    explicit Calculator(const std::wstring &program)
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof(STARTUPINFOW);
        std::wstring commandLine = L"\"" + program + L"\"";
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                &startup, &m_process))
            return;
        // The window of this process: one of an earlier run may still be closing.
        eventually([this] {
            m_window = nullptr;
            while ((m_window = FindWindowExW(nullptr, m_window, L"ropecalc.Form1", nullptr)) != nullptr) {
                DWORD process = 0;
                GetWindowThreadProcessId(m_window, &process);
                if (process == m_process.dwProcessId && IsWindowVisible(m_window) != FALSE)
                    return true;
            }
            return false;
        });
    }
    ~Calculator()
    {
        if (m_window != nullptr)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        if (m_process.hProcess != nullptr) {
            WaitForSingleObject(m_process.hProcess, 5000);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
    }
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    HWND window() const { return m_window; }
    // Kept once found: finding a child of another process's window costs a round trip.
    HWND item(Ref ref) const
    {
        HWND &found = m_items[winview::controlId(ref)];
        if (found == nullptr)
            found = GetDlgItem(m_window, winview::controlId(ref));
        return found;
    }
    DWORD exitCode() const
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(m_process.hProcess, 5000) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    std::string text(Ref ref) const { return textOf(item(ref)); }
    // The whole text, however long a paste made it: an edit control holds 30,000 characters at
    // most. One message, as each costs a round trip to the program.
    static std::string textOf(HWND control)
    {
        static std::wstring text(32768, L'\0');
        const auto length
            = SendMessageW(control, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(text.data()));
        return utf8(std::wstring_view(text.data(), std::size_t(length)));
    }
    bool checked(int option) const
    {
        return SendMessageW(item(app::option(option)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    int picked(int combo) const { return int(SendMessageW(item(app::combo(combo)), CB_GETCURSEL, 0, 0)); }
    bool enabled(Ref ref) const { return IsWindowEnabled(item(ref)) != FALSE; }
    HWND focus() const
    {
        GUITHREADINFO info = sized<GUITHREADINFO>();
        GetGUIThreadInfo(m_process.dwThreadId, &info);
        return info.hwndFocus;
    }
    // The colour of a box's background, from the screen: right of any text, inside the border.
    COLORREF background(int box) const
    {
        RECT rect {};
        GetWindowRect(item(app::text(box)), &rect);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, rect.right - 6, (rect.top + rect.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // The message box the window shows, if one is open.
    HWND messageBox() const
    {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr)
            if (GetWindow(box, GW_OWNER) == m_window && IsWindowVisible(box))
                return box;
        return nullptr;
    }

private:
    PROCESS_INFORMATION m_process {};
    HWND m_window = nullptr;
    mutable std::map<int, HWND> m_items;
};

inline void send(INPUT input)
{
    SendInput(1, &input, sizeof(INPUT));
}

// Moves the pointer there and waits until it is: Wine moves the X pointer too and hears of it
// later, and a button would take that late move for the pointer leaving it.
inline void moveTo(POINT at)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input {};
    input.type = INPUT_MOUSE;
    // Rounded up, so that the system's scaling back to pixels, which rounds down, lands on the
    // pixel itself.
    input.mi.dx = LONG((at.x * 65536 + width - 1) / width);
    input.mi.dy = LONG((at.y * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(input);
    eventually(
        [at] {
            POINT cursor {};
            GetCursorPos(&cursor);
            return cursor.x == at.x && cursor.y == at.y;
        },
        1000);
    Sleep(50);
}

// A mouse button pressed and released where the pointer is.
inline void mouseButton(DWORD down, DWORD up)
{
    INPUT input {};
    input.type = INPUT_MOUSE;
    for (DWORD flags : { down, up }) {
        input.mi.dwFlags = flags;
        send(input);
    }
}

// A click where the last one was, within the double-click time, would be a double-click: a
// second click of its own waits that time out, as a person's would.
inline void clickAt(POINT at)
{
    static POINT last { -1, -1 };
    static DWORD lastTime = 0;
    const DWORD since = GetTickCount() - lastTime;
    if (std::abs(at.x - last.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2
        && std::abs(at.y - last.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 && since <= GetDoubleClickTime())
        Sleep(GetDoubleClickTime() - since + 20);
    moveTo(at);
    mouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    last = at;
    lastTime = GetTickCount();
    Sleep(20);
}

inline POINT middleOf(HWND control)
{
    RECT rect {};
    GetWindowRect(control, &rect);
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

// A click `fromRight` pixels left of the control's right edge, or in its middle.
inline void click(HWND control, int fromRight = -1)
{
    RECT rect {};
    GetWindowRect(control, &rect);
    clickAt({ fromRight < 0 ? (rect.left + rect.right) / 2 : rect.right - fromRight,
        (rect.top + rect.bottom) / 2 });
}

inline void key(WORD virtualKey, bool up)
{
    INPUT input {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    send(input);
}

inline void press(WORD virtualKey, WORD modifier = 0)
{
    if (modifier != 0)
        key(modifier, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (modifier != 0)
        key(modifier, true);
}

inline void type(std::string_view text)
{
    for (wchar_t unit : wide(text)) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = WORD(unit);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        send(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        send(input);
    }
}

// Picks item `index` of an open list with the mouse; the open list is a window of its own.
inline void clickItem(HWND combo, int index)
{
    HWND list = nullptr;
    eventually([&] {
        list = nullptr;
        while ((list = FindWindowExW(nullptr, list, L"ComboLBox", nullptr)) != nullptr)
            if (IsWindowVisible(list))
                return true;
        return false;
    });
    Sleep(100); // placed under its field once shown
    RECT rect {};
    GetWindowRect(list, &rect);
    const int height = int(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    clickAt({ (rect.left + rect.right) / 2, rect.top + 1 + height * index + height / 2 });
    // The pick is done once the list has closed; a click before that would only close it.
    eventually([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; });
}

// The edit field of a list, where the user types.
inline HWND fieldOf(HWND combo)
{
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

// What a message box says: the text of its visible static controls.
inline std::string messageOf(HWND box)
{
    std::string message;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] {};
        GetClassNameW(child, className, 32);
        if (lstrcmpiW(className, L"Static") == 0 && IsWindowVisible(child))
            message += Calculator::textOf(child);
    }
    return message;
}

inline std::wstring windowsPath(std::wstring path)
{
    if (!path.empty() && path.front() == L'/') {
        std::ranges::replace(path, L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

} // namespace drive
