#include "app/win32/guide_window.h"

#include "app/calculator/presentation.h"
#include "app/help/help.h"
#include "app/win32/system.h"
#include "app/win32/win_text.h"

#include <richedit.h>
#include <string>
#include <vector>

namespace winview {

namespace {

constexpr const wchar_t *kClassName = L"ropecalc.Guide";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW; // resizable: the page wraps to its width
constexpr DWORD kWindowExStyle = 0;
SIZE windowSize(UINT dpi)
{
    return frameSize(app::kGuideWidth, app::kGuideHeight, kWindowStyle, kWindowExStyle, dpi);
}

} // namespace

// A page's class, resizable: on a new DPI it takes the size the system suggests.
GuideWindow::GuideWindow(HINSTANCE instance, HWND calculatorWindow)
    : OwnedWindow({ .dialog = false, .resizable = true, .hides = true })
    , m_richEdit(checked(LoadLibraryW(L"Msftedit.dll"), "LoadLibraryW"))
{
    try {
        const SIZE size = windowSize(GetDpiForWindow(calculatorWindow));
        create(
            instance, kClassName, app::kGuideCaption, kWindowStyle, kWindowExStyle, size, calculatorWindow);
        m_dpi = GetDpiForWindow(m_window);
        if (const SIZE fitted = windowSize(m_dpi); fitted.cx != size.cx || fitted.cy != size.cy)
            SetWindowPos(
                m_window, nullptr, 0, 0, fitted.cx, fitted.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client {};
        GetClientRect(m_window, &client);
        // Read-only once filled: the page takes the focus and the keys that scroll, but no typing.
        m_page = checked(CreateWindowExW(0, MSFTEDIT_CLASS, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                             client.right, client.bottom, m_window,
                             reinterpret_cast<HMENU>(INT_PTR(app::kGuidePageId)), instance, nullptr),
            "CreateWindowExW");
        zoom();
        fill();
    } catch (...) {
        abandon();
        FreeLibrary(m_richEdit);
        throw;
    }
}

GuideWindow::~GuideWindow()
{
    destroy();
    FreeLibrary(m_richEdit);
}

void GuideWindow::open()
{
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
    SetFocus(m_page);
}

bool GuideWindow::translate(const MSG &message)
{
    if (m_window == nullptr || (message.hwnd != m_window && IsChild(m_window, message.hwnd) == FALSE))
        return false;
    if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE)
        return false;
    ShowWindow(m_window, SW_HIDE);
    return true;
}

// Each block a paragraph of its own style, appended at the end; the page shows the top.
void GuideWindow::fill()
{
    const std::vector<app::guide::Paragraph> blocks = app::guide::paragraphs(app::guide::markdown());
    const std::wstring face = wide(app::kDialogFont.face);
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        SendMessageW(m_page, EM_SETSEL, WPARAM(-1), LPARAM(-1));
        CHARRANGE start {};
        SendMessageW(m_page, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&start));
        const std::wstring text = wide(blocks.at(k).text) + (k + 1 < blocks.size() ? L"\r" : L"");
        SendMessageW(m_page, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(m_page, EM_SETSEL, WPARAM(start.cpMin), LPARAM(-1));

        const app::guide::BlockStyle style = app::guide::styleOf(blocks.at(k).block);
        CHARFORMAT2W characters {};
        characters.cbSize = sizeof(characters);
        characters.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_CHARSET;
        characters.dwEffects = style.bold ? CFE_BOLD : 0;
        characters.yHeight = style.height;
        characters.bCharSet = BYTE(app::kDialogFont.charset);
        lstrcpynW(characters.szFaceName, face.c_str(), LF_FACESIZE);
        SendMessageW(m_page, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&characters));
        PARAFORMAT2 paragraph {};
        paragraph.cbSize = sizeof(paragraph);
        paragraph.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_SPACEBEFORE | PFM_SPACEAFTER;
        paragraph.dxStartIndent = app::guide::kPageMarginTwips + style.indent;
        paragraph.dxRightIndent = app::guide::kPageMarginTwips;
        paragraph.dxOffset = style.hanging;
        paragraph.dySpaceBefore = style.spaceBefore;
        paragraph.dySpaceAfter = style.spaceAfter;
        SendMessageW(m_page, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    }
    SendMessageW(m_page, EM_SETSEL, 0, 0);
    SendMessageW(m_page, EM_SETREADONLY, TRUE, 0);
}

// The page draws points at its screen's DPI (LOGPIXELSY); at a window DPI other than that, as
// on a second monitor, it is zoomed by their ratio.
void GuideWindow::zoom()
{
    HDC dc = GetDC(m_page);
    const int screen = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(m_page, dc);
    const bool same = screen == int(m_dpi) || screen <= 0;
    SendMessageW(m_page, EM_SETZOOM, same ? 0 : WPARAM(m_dpi), same ? 0 : LPARAM(screen));
}

// The page keeps its points at the new DPI.
void GuideWindow::changeDpi(UINT dpi)
{
    m_dpi = dpi;
    zoom();
}

LRESULT GuideWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (m_page != nullptr)
            MoveWindow(m_page, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        // Activated again, the window gives the focus back to its page.
        if (m_page != nullptr)
            SetFocus(m_page);
        return 0;
    case WM_NCDESTROY:
        m_page = nullptr;
        break;
    default:
        break;
    }
    return defaultProcedure(window, message, wParam, lParam);
}

} // namespace winview
