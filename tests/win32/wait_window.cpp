// Starts a program, or the program a shortcut names, waits for its window, closes it and waits
// for it to exit: proof that a program of the Windows build starts and shows the calculator.
// Runs under Wine in tests/win32/test_installer.sh.
//
// Usage: wait_window.exe SECONDS PROGRAM
// PROGRAM is an .exe, or a shortcut (.lnk), which is read and started as Explorer would: its
// target, with its arguments, in its working folder. Prints the shortcut's target, the started
// program's path and the window's client size. Exits 0 when a visible top-level window of that
// process with the calculator's caption showed within SECONDS, closed on WM_CLOSE and the
// process then exited with 0.
#include <iterator>
#include <shlobj.h>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

constexpr std::wstring_view kCaption = L"钢丝绳安全系数计算器";
constexpr DWORD kPollMs = 50;

// To a console as UTF-16, to a pipe or a file as UTF-8, with a line end either way.
void say(DWORD stream, std::wstring line)
{
    line += L'\n';
    HANDLE out = GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    int bytes = WideCharToMultiByte(
        CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), bytes, nullptr, nullptr);
    WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

int fail(int code, const std::wstring &why)
{
    say(STD_ERROR_HANDLE, L"wait_window: " + why);
    return code;
}

struct Launch {
    std::wstring program;
    std::wstring arguments;
    std::wstring folder;
};

bool is_shortcut(std::wstring_view path)
{
    constexpr std::wstring_view extension = L".lnk";
    return path.size() > extension.size()
        && CompareStringOrdinal(path.data() + path.size() - extension.size(), int(extension.size()),
               extension.data(), int(extension.size()), TRUE)
        == CSTR_EQUAL;
}

// The target, arguments and working folder a shortcut names; an empty program if it cannot be read.
Launch read_shortcut(const wchar_t *path)
{
    Launch launch;
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))))
        return launch;
    IPersistFile *file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file)))) {
        wchar_t text[INFOTIPSIZE] = {};
        if (SUCCEEDED(file->Load(path, STGM_READ)) && link->GetPath(text, MAX_PATH, nullptr, 0) == S_OK) {
            launch.program = text;
            if (SUCCEEDED(link->GetArguments(text, static_cast<int>(std::size(text)))))
                launch.arguments = text;
            if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
                launch.folder = text;
        }
        file->Release();
    }
    link->Release();
    return launch;
}

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK visit(HWND window, LPARAM data)
{
    auto &search = *reinterpret_cast<Search *>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Owned or not: the calculator's window has a hidden owner, as a Visual Basic form has.
    if (process != search.process || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[64] = {};
    int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    if (std::wstring_view(text, static_cast<size_t>(length)) != kCaption)
        return TRUE;
    // A message box wears the window's caption too, but is not the window.
    length = GetClassNameW(window, text, static_cast<int>(std::size(text)));
    if (std::wstring_view(text, static_cast<size_t>(length)) == L"#32770")
        return TRUE;
    search.window = window;
    return FALSE;
}

std::wstring image_path(HANDLE process)
{
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(process, 0, path, &size))
        return L"?";
    return std::wstring(path, size);
}

int run(int argc, wchar_t **argv)
{
    if (argc != 3)
        return fail(1, L"usage: wait_window.exe SECONDS PROGRAM");
    wchar_t *end = nullptr;
    unsigned long seconds = wcstoul(argv[1], &end, 10);
    if (*end != L'\0' || seconds == 0 || seconds > 3600)
        return fail(1, L"SECONDS must be a whole number from 1 to 3600, not " + std::wstring(argv[1]));

    Launch launch { argv[2], L"", L"" };
    if (is_shortcut(launch.program)) {
        launch = read_shortcut(argv[2]);
        if (launch.program.empty())
            return fail(2, L"could not read the shortcut " + std::wstring(argv[2]));
        say(STD_OUTPUT_HANDLE, L"shortcut to " + launch.program);
    }
    std::wstring command = L"\"" + launch.program + L"\"";
    if (!launch.arguments.empty())
        command += L" " + launch.arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(launch.program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
            launch.folder.empty() ? nullptr : launch.folder.c_str(), &startup, &started))
        return fail(
            2, L"could not start " + launch.program + L" (error " + std::to_wstring(GetLastError()) + L")");
    CloseHandle(started.hThread);
    HANDLE process = started.hProcess;
    say(STD_OUTPUT_HANDLE, L"started " + image_path(process));

    Search search = { started.dwProcessId, nullptr };
    const ULONGLONG deadline = GetTickCount64() + seconds * 1000ULL;
    while (!search.window) {
        if (WaitForSingleObject(process, kPollMs) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            return fail(
                3, L"the program exited with " + std::to_wstring(code) + L" before showing its window");
        }
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
        if (!search.window && GetTickCount64() > deadline) {
            TerminateProcess(process, 1);
            return fail(4,
                L"no visible window \"" + std::wstring(kCaption) + L"\" within " + std::to_wstring(seconds)
                    + L" s");
        }
    }
    RECT client = {};
    GetClientRect(search.window, &client);
    say(STD_OUTPUT_HANDLE,
        L"window \"" + std::wstring(kCaption) + L"\" client " + std::to_wstring(client.right - client.left)
            + L"x" + std::to_wstring(client.bottom - client.top));
    if (client.right <= client.left || client.bottom <= client.top) {
        TerminateProcess(process, 1);
        return fail(5, L"the window has an empty client area");
    }

    // Posted, not sent: a program that hangs on closing must not hang the test.
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, seconds * 1000) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        return fail(6, L"the program did not exit within " + std::to_wstring(seconds) + L" s of WM_CLOSE");
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (code != 0)
        return fail(7, L"the program exited with " + std::to_wstring(code) + L" after WM_CLOSE");
    say(STD_OUTPUT_HANDLE, L"closed; exit code 0");
    return 0;
}

} // namespace

int main()
{
    // The shell's shortcut object is a COM object.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int code = argv ? run(argc, argv) : fail(1, L"could not read the command line");
    LocalFree(argv);
    if (SUCCEEDED(com))
        CoUninitialize();
    return code;
}
