// The yardstick for the Windows build's start-up: a bare Win32 window of the same client size,
// with the same controls (class, caption, list items, place and size, read-only and centred
// where the table says) and the same caption, built by one plain loop over the control table
// and shown. Every control is a child of the window itself, at its place in the client area (a
// group box is no container on Win32), and the frames come last, under their contents. It
// carries the calculator's manifest (bare_win32_window.rc.in: visual styles, DPI awareness),
// which users asked for, and sets nothing else (no font, no icon, no accessible names, no tab
// stops, no control IDs) and handles no message but the one that ends the program, so that the
// ratio of the calculator to it is what the calculator adds on top of a styled Win32 window.
#include "app/calculator/control_table.h"
#include "app/calculator/presentation.h"
#include "app/win32/win_text.h"
#include "common/purpose_table.h"
#include "standard/rope_tables.h"
#include "traditional/rope_tables.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <windows.h>

namespace {

// Room below a list's field for its dropped-down part, which a combo box's height on Win32
// includes: ten lines of the system font's 16 pixels.
constexpr int kDroppedListTwips = 2400;

struct WindowClass {
    const wchar_t *name;
    DWORD style;
    DWORD extendedStyle;
};

WindowClass classOf(const app::ControlSpec &row)
{
    switch (row.kind) {
    case app::Kind::Frame:
        return { L"BUTTON", BS_GROUPBOX, 0 };
    case app::Kind::Label:
        return { L"STATIC", row.style == app::Style::Centred ? DWORD(SS_CENTER) : DWORD(SS_LEFT), 0 };
    case app::Kind::Option:
        return { L"BUTTON", BS_RADIOBUTTON, 0 };
    case app::Kind::Combo:
        return { L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0 };
    case app::Kind::Text:
        return { L"EDIT", ES_AUTOHSCROLL | (row.style == app::Style::ReadOnly ? DWORD(ES_READONLY) : 0),
            WS_EX_CLIENTEDGE };
    case app::Kind::Command:
        return { L"BUTTON", BS_PUSHBUTTON, 0 };
    }
    return { L"STATIC", 0, 0 };
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const int dpi = int(GetDpiForSystem());
    const auto pixels = [dpi](int twips) { return app::pixels(twips, dpi); };

    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWin32Window";
    if (RegisterClassExW(&windowClass) == 0)
        return 1;

    // A fixed-size window: a caption and the system menu with its close box, no sizing border.
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame { 0, 0, pixels(app::kClientWidth), pixels(app::kClientHeight) };
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, winview::wide(app::kWindowCaption).c_str(),
        kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
        nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;

    std::map<std::pair<app::Kind, int>, HWND> built;
    for (const bool frames : { false, true })
        for (const app::ControlSpec &row : app::kControls) {
            if ((row.kind == app::Kind::Frame) != frames)
                continue;
            const WindowClass kind = classOf(row);
            const app::TwipsPoint at = app::originOf(row.parent);
            const int height = row.kind == app::Kind::Combo ? row.height + kDroppedListTwips : row.height;
            built[{ row.kind, row.number }]
                = CreateWindowExW(kind.extendedStyle, kind.name, winview::wide(row.caption).c_str(),
                    WS_CHILD | WS_VISIBLE | kind.style, pixels(at.x + row.left), pixels(at.y + row.top),
                    pixels(row.width), pixels(height), window, nullptr, instance, nullptr);
        }
    const auto add = [&built](app::List combo, std::string_view item) {
        SendMessageW(built.at({ app::Kind::Combo, combo.number }), CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(winview::wide(item).c_str()));
    };
    for (std::size_t k = 0; k < app::kTraditionalDiameterLists.size(); ++k)
        for (const traditional::Row &row : traditional::tableOf(traditional::RopeClass(k)).rows)
            add(app::kTraditionalDiameterLists.at(k), row.item);
    for (std::size_t k = 0; k < app::kStandardDiameterLists.size(); ++k)
        standard::withTable(standard::RopeClass(k), [&](auto rows) {
            for (const auto &row : rows)
                add(app::kStandardDiameterLists.at(k), row.item);
        });
    for (const app::PurposeListSpec &purposes : app::kPurposeLists)
        for (std::size_t i = 0; i < purposes.count; ++i)
            add(purposes.combo, common::kPurposes.at(i).text);

    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
