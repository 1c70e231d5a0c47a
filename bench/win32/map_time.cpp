// Times a Windows program's start-up from outside it: from just before CreateProcessW to the
// first moment its main thread has a visible top-level window, owned or not (EnumThreadWindows,
// polled every millisecond), and on to the moment it is first idle, waiting for input with
// nothing left to do, painting included (WaitForInputIdle). Then it posts WM_CLOSE to the
// window and waits for the program to end.
//
// Usage: map_time.exe PROGRAM [ARGUMENT...]
// Prints one line, "VISIBLE_MS IDLE_MS", both counted from the launch. Exit status 0; 2 when
// the program could not be started, ended before it showed a window or showed none in 30 s; 3
// when it did not end within 10 s of WM_CLOSE (it is then terminated); 4 when it ended with a
// status other than 0.
#include <cstdio>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

constexpr DWORD kWindowTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;

// EnumThreadWindows goes through the thread's top-level windows only; the first visible one ends it.
BOOL CALLBACK visibleWindow(HWND window, LPARAM found)
{
    if (!IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}

// Appends an argument so that the program's command-line parser gives it back unchanged: in
// quotes, with each quote and the backslashes before a quote escaped.
void appendQuoted(std::wstring &line, std::wstring_view argument)
{
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_time.exe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    std::wstring line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += L' ';
        appendQuoted(line, argv[i]);
    }

    LARGE_INTEGER frequency;
    LARGE_INTEGER launched;
    LARGE_INTEGER visible;
    LARGE_INTEGER idle;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child {};
    QueryPerformanceCounter(&launched);
    if (!CreateProcessW(
            nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
        std::fprintf(stderr, "map_time: cannot start %ls (error %lu)\n", argv[1], GetLastError());
        return 2;
    }

    HWND found = nullptr;
    const ULONGLONG deadline = GetTickCount64() + kWindowTimeoutMs;
    for (;;) {
        EnumThreadWindows(child.dwThreadId, visibleWindow, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr)
            break;
        if (WaitForSingleObject(child.hProcess, 1) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "map_time: %ls ended before it showed a window\n", argv[1]);
            return 2;
        }
        if (GetTickCount64() > deadline) {
            std::fprintf(stderr, "map_time: %ls showed no window in %lu ms\n", argv[1], kWindowTimeoutMs);
            TerminateProcess(child.hProcess, 1);
            return 2;
        }
    }
    QueryPerformanceCounter(&visible);
    WaitForInputIdle(child.hProcess, kWindowTimeoutMs);
    QueryPerformanceCounter(&idle);

    const auto milliseconds = [&](const LARGE_INTEGER &at) {
        return double(at.QuadPart - launched.QuadPart) * 1000.0 / double(frequency.QuadPart);
    };
    std::printf("%.1f %.1f\n", milliseconds(visible), milliseconds(idle));
    std::fflush(stdout);

    PostMessageW(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(child.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        std::fprintf(
            stderr, "map_time: %ls did not end within %lu ms of WM_CLOSE\n", argv[1], kCloseTimeoutMs);
        TerminateProcess(child.hProcess, 1);
        return 3;
    }
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    if (status != 0) {
        std::fprintf(stderr, "map_time: %ls ended with status %lu\n", argv[1], status);
        return 4;
    }
    return 0;
}
