// The selection window's keystroke-to-repaint time on the Windows build: the calculator's own
// window library in this process, the selection window opened from its menu command, the worst
// job typed with SendInput (load 1, no length, purpose 井架提升6 typed, both methods, 安装: nearly
// every rope listed), then keys typed into the load box, alternately "1" (load 11) and Backspace
// (load 1); then the same from an empty load (load 1 and empty, every cell in view drawn or
// cleared). Each sample is the time from SendInput of the key to the end of the first WM_PAINT of
// the list after it, seen by a subclass of the list that this program installs; the messages
// run through the program's own loop meanwhile, as in main.cpp. Prints each sample, the median
// and the maximum of each series, in milliseconds.
// Usage: selection_keys_win32.exe [keys]   (41 by default)

#include "app/selection/selection.h"
#include "app/win32/control_ids.h"
#include "app/win32/win_text.h"
#include "app/win32/window.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

WNDPROC listProc = nullptr;
LARGE_INTEGER painted {}; // the end of the list's last WM_PAINT

LRESULT CALLBACK timedList(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcW(listProc, list, message, wParam, lParam);
    if (message == WM_PAINT)
        QueryPerformanceCounter(&painted);
    return result;
}

// Runs the messages that have come, as the program's loop does, until `done` or `ms` pass.
template <typename Done> void pump(winview::Window &window, const Done &done, DWORD ms)
{
    for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < ms;) {
        MSG message {};
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        if (!window.translate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Until the window has had nothing to do for a while: nothing left to paint.
void idle(winview::Window &window)
{
    pump(
        window, [] { return false; }, 300);
}

void key(WORD virtualKey, wchar_t unit)
{
    INPUT input[2] {};
    for (INPUT &event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = virtualKey;
        event.ki.wScan = virtualKey != 0 ? WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) : WORD(unit);
        event.ki.dwFlags = virtualKey != 0 ? 0 : KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void type(std::wstring_view text)
{
    for (wchar_t unit : text)
        key(0, unit);
}

std::string textOf(HWND control)
{
    std::wstring text(256, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return winview::utf8(text);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const int keys = argc > 1 ? _wtoi(argv[1]) : 41;
    winview::Window window(GetModuleHandleW(nullptr));
    ShowWindow(window.handle(), SW_SHOW);
    idle(window);
    PostMessageW(window.handle(), WM_SYSCOMMAND, app::menuItem(app::Command::SelectRopes).id, 0);
    HWND selection = nullptr;
    pump(
        window, [&] { return (selection = FindWindowW(L"ropecalc.Selection", nullptr)) != nullptr; }, 5000);
    if (selection == nullptr) {
        std::printf("the selection window did not open\n");
        return 2;
    }
    const auto item = [selection](app::SelectionControl control) {
        return GetDlgItem(selection, winview::controlId(control));
    };
    HWND list = item(app::kRopeList);
    HWND load = item(app::kLoadBox);
    HWND status = item(app::kStatusLabel);
    listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(timedList)));

    SetForegroundWindow(selection);
    SetFocus(GetWindow(item(app::kPurposeBox), GW_CHILD)); // the list's field
    type(L"井架提升6");
    idle(window);

    LARGE_INTEGER frequency {};
    QueryPerformanceFrequency(&frequency);
    // The job's own keys: the load goes 1, 11, 1, ... and the tension and factor columns change.
    // Then the load goes from empty to 1 and back: every cell in view comes or goes.
    for (const bool fromEmpty : { false, true }) {
        SetFocus(load);
        SendMessageW(load, EM_SETSEL, 0, -1);
        key(VK_BACK, 0);
        if (!fromEmpty)
            type(L"1");
        idle(window);
        std::printf("load \"%s\", purpose typed: %s\n", textOf(load).c_str(), textOf(status).c_str());
        std::vector<double> samples;
        for (int k = 0; k < keys; ++k) {
            idle(window);
            LARGE_INTEGER sent {};
            QueryPerformanceCounter(&sent);
            painted = {};
            if (k % 2 == 0)
                type(L"1");
            else
                key(VK_BACK, 0);
            pump(
                window, [&] { return painted.QuadPart > sent.QuadPart; }, 2000);
            if (painted.QuadPart <= sent.QuadPart) {
                std::printf("key %d: the list did not repaint within 2 s\n", k + 1);
                return 1;
            }
            samples.push_back(double(painted.QuadPart - sent.QuadPart) * 1000.0 / double(frequency.QuadPart));
            std::printf("key %2d  load %-3s %8.2f ms  %s\n", k + 1, textOf(load).c_str(), samples.back(),
                textOf(status).c_str());
        }
        std::ranges::sort(samples);
        std::printf("%s, %d keystrokes: median %.2f ms, max %.2f ms, min %.2f ms\n",
            fromEmpty ? "load empty <-> 1 (every cell in view)" : "load 1 <-> 11 (the worst job)", keys,
            samples.at(samples.size() / 2), samples.back(), samples.front());
    }
    return 0;
}
