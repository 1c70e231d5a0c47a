#include "app/win32/sheet_window.h"

#include "app/calculator/presentation.h"
#include "app/sheet/sheet_window.h"
#include "app/win32/dialog_font.h"
#include "app/win32/system.h"
#include "app/win32/win_text.h"

#include <algorithm>
#include <commdlg.h>
#include <richedit.h>
#include <utility>
#include <vector>

namespace winview {

using app::sheet::SheetControl;

namespace {

constexpr const wchar_t *kClassName = L"ropecalc.Sheet";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW; // resizable: the page takes the room
constexpr DWORD kWindowExStyle = 0;
// The printed page's margins in twips, those of the saved RTF file on A4.
constexpr int kMarginSide = 1701;
constexpr int kMarginEnd = 1417;

SIZE windowSize(UINT dpi)
{
    return frameSize(app::sheet::kSheetWidth, app::sheet::kSheetHeight, kWindowStyle, kWindowExStyle, dpi);
}

int idOf(SheetControl control)
{
    return int(control);
}

// The system's own words for an error number, without the line break it ends with.
std::wstring systemText(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring said = length == 0 ? L"错误 " + std::to_wstring(error) : std::wstring(text, length);
    LocalFree(text);
    while (!said.empty() && (said.back() == L'\n' || said.back() == L'\r' || said.back() == L' '))
        said.pop_back();
    return said;
}

// The RTF handed to the page piece by piece.
struct Source {
    const std::string &bytes;
    std::size_t at = 0;
};

DWORD CALLBACK readRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *given)
{
    Source &source = *reinterpret_cast<Source *>(cookie);
    const std::size_t count
        = std::min(std::size_t(std::max(wanted, LONG(0))), source.bytes.size() - source.at);
    std::copy_n(source.bytes.data() + source.at, count, buffer);
    source.at += count;
    *given = LONG(count);
    return 0;
}

// Writes the bytes to a new temporary file in the name's folder, then puts it over the name, so
// that a failure half way leaves no file, and no broken one, under the name. The system's error
// number, or 0.
DWORD writeFile(const std::wstring &name, const std::string &bytes)
{
    const auto slash = name.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : name.substr(0, slash + 1);
    std::vector<wchar_t> temporary(MAX_PATH + 1);
    if (GetTempFileNameW(folder.c_str(), L"rc", 0, temporary.data()) == 0)
        return GetLastError();
    DWORD error = 0;
    HANDLE file = CreateFileW(
        temporary.data(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
    } else {
        DWORD written = 0;
        if (WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) == FALSE
            || FlushFileBuffers(file) == FALSE)
            error = GetLastError();
        else if (written != bytes.size())
            error = ERROR_DISK_FULL;
        CloseHandle(file);
    }
    if (error == 0
        && MoveFileExW(temporary.data(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
            == FALSE)
        error = GetLastError();
    if (error != 0)
        DeleteFileW(temporary.data());
    return error;
}

} // namespace

// A dialog's class: Tab moves between the buttons and the page, and the focus comes back where
// it was when the window is activated again.
SheetWindow::SheetWindow(HINSTANCE instance, HWND calculatorWindow)
    : OwnedWindow({ .dialog = true, .resizable = true, .hides = true })
    , m_richEdit(checked(LoadLibraryW(L"Msftedit.dll"), "LoadLibraryW"))
{
    try {
        const SIZE size = windowSize(GetDpiForWindow(calculatorWindow));
        create(instance, kClassName, app::sheet::kSheetCaption, kWindowStyle, kWindowExStyle, size,
            calculatorWindow);
        m_dpi = GetDpiForWindow(m_window);
        if (const SIZE fitted = windowSize(m_dpi); fitted.cx != size.cx || fitted.cy != size.cy)
            SetWindowPos(
                m_window, nullptr, 0, 0, fitted.cx, fitted.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_font = checked(createDialogFont(m_dpi), "CreateFontW");
        for (const app::sheet::SheetSpec &row : app::sheet::kSheetControls) {
            const bool page = row.control == SheetControl::Page;
            // Read-only: the page takes the focus and the keys that scroll, but no typing.
            const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP
                | (page ? WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY : BS_PUSHBUTTON);
            HWND made
                = checked(CreateWindowExW(page ? WS_EX_CLIENTEDGE : 0, page ? MSFTEDIT_CLASS : L"BUTTON",
                              wide(row.caption).c_str(), style, 0, 0, 0, 0, m_window,
                              reinterpret_cast<HMENU>(INT_PTR(idOf(row.control))), instance, nullptr),
                    "CreateWindowExW");
            SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
            if (page)
                m_page = made;
        }
        layout();
    } catch (...) {
        abandon();
        DeleteObject(m_font);
        FreeLibrary(m_richEdit);
        throw;
    }
}

SheetWindow::~SheetWindow()
{
    destroy();
    DeleteObject(m_font);
    FreeLibrary(m_richEdit);
}

void SheetWindow::open(app::sheet::Document document)
{
    m_document = std::move(document);
    fill();
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
    SetFocus(m_page);
}

bool SheetWindow::translate(MSG &message)
{
    if (m_window == nullptr || (message.hwnd != m_window && IsChild(m_window, message.hwnd) == FALSE))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        ShowWindow(m_window, SW_HIDE);
        return true;
    }
    return IsDialogMessageW(m_window, &message) != FALSE;
}

// The buttons where the design puts them; the page from its corner to the client area's, less
// the design's margin, so that it takes the room the user gives the window. Its points are zoomed
// from its screen's DPI to the window's, as the guide's page.
void SheetWindow::layout()
{
    RECT client {};
    GetClientRect(m_window, &client);
    const auto px = [this](int twips) { return app::pixels(twips, int(m_dpi)); };
    for (const app::sheet::SheetSpec &row : app::sheet::kSheetControls) {
        HWND made = GetDlgItem(m_window, idOf(row.control));
        if (row.control == SheetControl::Page) {
            const int margin = px(app::sheet::kSheetWidth - row.left - row.width);
            MoveWindow(made, px(row.left), px(row.top),
                std::max(0, int(client.right) - px(row.left) - margin),
                std::max(0, int(client.bottom) - px(row.top) - margin), TRUE);
        } else {
            MoveWindow(made, px(row.left), px(row.top), px(row.width), px(row.height), TRUE);
        }
    }
    HDC dc = GetDC(m_page);
    const int screen = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(m_page, dc);
    const bool same = screen == int(m_dpi) || screen <= 0;
    SendMessageW(m_page, EM_SETZOOM, same ? 0 : WPARAM(m_dpi), same ? 0 : LPARAM(screen));
}

// The page holds the RTF the file would, so that it shows the sheet as it prints.
void SheetWindow::fill()
{
    const std::string rtf = app::sheet::toRtf(m_document);
    Source source { rtf };
    EDITSTREAM stream {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = readRtf;
    SendMessageW(m_page, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(m_page, EM_SETSEL, 0, 0);
    SendMessageW(m_page, WM_VSCROLL, SB_TOP, 0);
}

void SheetWindow::changeDpi(UINT dpi)
{
    m_dpi = dpi;
    HFONT previous = std::exchange(m_font, checked(createDialogFont(m_dpi), "CreateFontW"));
    for (const app::sheet::SheetSpec &row : app::sheet::kSheetControls)
        SendMessageW(
            GetDlgItem(m_window, idOf(row.control)), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    DeleteObject(previous);
    layout();
}

// The page printed as it shows, page after page of A4 within the file's margins. Where no
// printer is installed the print dialog says so itself; a printer that fails is told.
void SheetWindow::print()
{
    PRINTDLGW dialog {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_window;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    const bool chosen = PrintDlgW(&dialog) != FALSE && dialog.hDC != nullptr;
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    if (!chosen)
        return;
    HDC dc = dialog.hDC;
    const auto twipsX = [dc](int dots) { return MulDiv(dots, 1440, GetDeviceCaps(dc, LOGPIXELSX)); };
    const auto twipsY = [dc](int dots) { return MulDiv(dots, 1440, GetDeviceCaps(dc, LOGPIXELSY)); };
    const int width = twipsX(GetDeviceCaps(dc, PHYSICALWIDTH));
    const int height = twipsY(GetDeviceCaps(dc, PHYSICALHEIGHT));
    const int offsetX = twipsX(GetDeviceCaps(dc, PHYSICALOFFSETX));
    const int offsetY = twipsY(GetDeviceCaps(dc, PHYSICALOFFSETY));
    FORMATRANGE range {};
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rcPage = { 0, 0, width, height };
    const RECT area { kMarginSide - offsetX, kMarginEnd - offsetY, width - kMarginSide - offsetX,
        height - kMarginEnd - offsetY };
    GETTEXTLENGTHEX length { GTL_NUMCHARS, 1200 };
    const auto end = LONG(SendMessageW(m_page, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    const std::wstring title = wide(app::sheet::kSheetCaption);
    DOCINFOW document {};
    document.cbSize = sizeof(document);
    document.lpszDocName = title.c_str();
    bool printed = StartDocW(dc, &document) > 0;
    if (printed) {
        range.chrg = { 0, -1 };
        while (printed && range.chrg.cpMin < end) {
            range.rc = area;
            printed = StartPage(dc) > 0;
            if (!printed)
                break;
            const auto next
                = LONG(SendMessageW(m_page, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
            printed = EndPage(dc) > 0;
            // A page that takes nothing would never end.
            if (next <= range.chrg.cpMin)
                break;
            range.chrg.cpMin = next;
        }
        SendMessageW(m_page, EM_FORMATRANGE, FALSE, 0);
        printed = printed ? EndDoc(dc) > 0 : (AbortDoc(dc), false);
    }
    const DWORD error = printed ? 0 : GetLastError();
    DeleteDC(dc);
    // A print to file the user called off in its own dialog is no failure.
    if (!printed && error != ERROR_CANCELLED)
        MessageBoxW(m_window, (L"计算书未能打印。\n" + systemText(error)).c_str(), title.c_str(),
            MB_OK | MB_ICONERROR);
}

// The system's save dialog offers RTF and HTML; the name's extension, or else the chosen type,
// says which is written. A failure is told, and leaves no file under the name.
void SheetWindow::save()
{
    std::wstring filter;
    for (const app::sheet::FileType &type : app::sheet::kFileTypes) {
        if (type.format == app::sheet::FileFormat::Pdf)
            continue;
        filter += wide(type.description) + L'\0' + L"*." + wide(type.extension)
            + (type.format == app::sheet::FileFormat::Html ? L";*.htm" : L"") + L'\0';
    }
    filter += L'\0';
    std::vector<wchar_t> name(32768);
    const std::wstring suggested = wide(app::sheet::kDefaultFileName) + L".rtf";
    std::ranges::copy(suggested, name.begin());
    OPENFILENAMEW dialog {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_window;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = DWORD(name.size());
    dialog.lpstrDefExt = L"rtf"; // the chosen type's extension where the name has none
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (GetSaveFileNameW(&dialog) == FALSE)
        return;
    const std::wstring path(name.data());
    const app::sheet::FileFormat format
        = app::sheet::formatOf(utf8(path))
              .value_or(
                  dialog.nFilterIndex == 2 ? app::sheet::FileFormat::Html : app::sheet::FileFormat::Rtf);
    if (const DWORD error = writeFile(path, app::sheet::fileBytes(m_document, format)); error != 0)
        MessageBoxW(m_window, wide(app::sheet::saveFailedText(utf8(path), utf8(systemText(error)))).c_str(),
            wide(app::sheet::kSheetCaption).c_str(), MB_OK | MB_ICONERROR);
}

LRESULT SheetWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (m_page != nullptr)
            layout();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (LOWORD(wParam) == idOf(SheetControl::PrintButton))
            print();
        else if (LOWORD(wParam) == idOf(SheetControl::SaveButton))
            save();
        else if (LOWORD(wParam) == IDCANCEL)
            ShowWindow(m_window, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        m_page = nullptr;
        break;
    default:
        break;
    }
    return defaultProcedure(window, message, wParam, lParam);
}

// The date the sheet is printed with: today, as the computer's clock has it.
std::string today()
{
    SYSTEMTIME now {};
    GetLocalTime(&now);
    return app::sheet::dateText(now.wYear, now.wMonth, now.wDay);
}

} // namespace winview
