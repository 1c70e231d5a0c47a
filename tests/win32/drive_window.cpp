// Drives the real ropecalc.exe as a user does, with SendInput clicks, keys and Unicode typing,
// and reads back what its controls show by their fixed IDs: the start state, the keyboard, one
// calculation in each method, a message box, a red warning and its reset, a class switch, and
// which notifications are input.
// Usage: drive_window ropecalc.exe [dpi]   (with a DPI, only the start state and the layout)

#include "app/calculator/control_table.h"
#include "app/calculator/presentation.h"
#include "app/win32/control_ids.h"
#include "app/win32/resource.h"
#include "app/win32/win_text.h"
#include "common/safety_check.h"
#include "tests/win32/windows_input.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using app::Kind;
using app::Ref;
using namespace drive;

int failures = 0;
int passes = 0;

void expect(bool ok, const char *what)
{
    ++(ok ? passes : failures);
    if (!ok)
        std::printf("FAIL: %s\n", what);
}

std::vector<std::string> texts(const Calculator &c, std::initializer_list<int> boxes)
{
    std::vector<std::string> shown;
    for (int box : boxes)
        shown.push_back(c.text(app::text(box)));
    return shown;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Every control is there with its ID and its kind of system control, as the window starts:
// enabled, empty, nothing selected; the window has the caption and the design's size at its
// DPI; each read-out and input comes right after the label that names it.
void startState(const Calculator &c)
{
    wchar_t caption[64] {};
    GetWindowTextW(c.window(), caption, 64);
    expect(utf8(caption) == app::kWindowCaption, "window caption");
    RECT client {};
    GetClientRect(c.window(), &client);
    const int dpi = int(GetDpiForWindow(c.window()));
    expect(client.right == app::pixels(app::kClientWidth, dpi)
            && client.bottom == app::pixels(app::kClientHeight, dpi),
        "client area is the design's size at the window's DPI");
    const LONG style = GetWindowLongW(c.window(), GWL_STYLE);
    expect((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0 && (style & WS_SYSMENU) != 0,
        "fixed border with a close box only");

    constexpr const wchar_t *kClasses[]
        = { L"Button", L"Static", L"Button", L"ComboBox", L"Edit", L"Button" };
    bool made = true;
    bool atStart = true;
    for (const app::ControlSpec &row : app::kControls) {
        const Ref ref { row.kind, row.number };
        HWND control = c.item(ref);
        wchar_t className[32] {};
        GetClassNameW(control, className, 32);
        made = made && control != nullptr && lstrcmpiW(className, kClasses[int(row.kind)]) == 0;
        atStart = atStart && c.enabled(ref) && (row.kind != Kind::Option || !c.checked(row.number))
            && (row.kind != Kind::Combo || (c.picked(row.number) == -1 && c.text(ref).empty()))
            && (row.kind != Kind::Text || c.text(ref).empty());
    }
    expect(made, "every control has its ID and kind");
    expect(atStart, "every control starts enabled, empty and unselected");
    expect(SendMessageW(c.item(app::combo(1)), CB_GETCOUNT, 0, 0) == 21
            && SendMessageW(c.item(app::combo(4)), CB_GETCOUNT, 0, 0) == 0
            && SendMessageW(c.item(app::combo(10)), CB_GETCOUNT, 0, 0) == 7,
        "lists hold their items");
    bool labelled = true;
    for (const app::NamedBy &row : app::kNamedBy)
        if ((row.control.kind == Kind::Text || row.control.kind == Kind::Combo) && row.by.kind == Kind::Label)
            labelled = labelled && GetWindow(c.item(row.control), GW_HWNDPREV) == c.item(row.by);
    expect(labelled, "each read-out and input follows its label in z-order");
}

// Boxes and buttons stand where the design's twips put them at the window's DPI, to the pixel.
void layout(const Calculator &c, int dpi)
{
    expect(int(GetDpiForWindow(c.window())) == dpi, "the window has the screen's DPI");
    if (int(GetDpiForWindow(c.window())) != dpi)
        std::printf("  the window has %u dpi\n", GetDpiForWindow(c.window()));
    bool placed = true;
    for (const app::ControlSpec &row : app::kControls) {
        if (row.kind != Kind::Text && row.kind != Kind::Command)
            continue;
        app::TwipsPoint origin = app::originOf(row.parent);
        origin.x += row.left;
        origin.y += row.top;
        RECT rect {};
        GetWindowRect(c.item(Ref { row.kind, row.number }), &rect);
        MapWindowPoints(nullptr, c.window(), reinterpret_cast<POINT *>(&rect), 2);
        placed = placed && rect.left == app::pixels(origin.x, dpi) && rect.top == app::pixels(origin.y, dpi)
            && rect.right - rect.left == app::pixels(row.width, dpi)
            && rect.bottom - rect.top == app::pixels(row.height, dpi);
    }
    expect(placed, "every box and button in its place and size");
}

// Tab goes through the controls in the design's tab order and selects nothing; Shift+Tab back.
void tabOrder(const Calculator &c)
{
    const auto &order = app::kTabOrder;
    click(c.item(app::label(16))); // the window takes the keyboard, no control has the focus
    bool inOrder = true;
    for (std::size_t i = 0; i < 12; ++i) {
        press(VK_TAB);
        HWND expected = c.item(Ref { order.at(i)->kind, order.at(i)->number });
        // A list's field takes the focus for its list.
        inOrder = inOrder
            && eventually([&] { return c.focus() == expected || GetParent(c.focus()) == expected; }, 2000);
    }
    expect(inOrder, "Tab follows the tab indexes");
    press(VK_TAB, VK_SHIFT);
    expect(eventually([&] {
        return GetParent(c.focus()) == c.item(Ref { order.at(10)->kind, order.at(10)->number });
    }),
        "Shift+Tab goes back");
    bool noneSelected = true;
    for (int option = 1; option <= 9; ++option)
        noneSelected = noneSelected && !c.checked(option);
    expect(noneSelected, "taking the focus selects no option button");
}

// Enter presses the focused button, and from a box it presses none, though Tab passed a button
// on the way, which the dialog manager makes the default while it has the focus.
void enterKey(const Calculator &c)
{
    const auto tabTo = [&c](HWND target) {
        for (int i = 0; i < 100 && c.focus() != target; ++i) {
            const HWND before = c.focus();
            press(VK_TAB);
            eventually([&] { return c.focus() != before; });
        }
        return c.focus() == target;
    };
    expect(tabTo(c.item(app::command(1))), "Tab reaches 计  算");
    press(VK_RETURN);
    expect(eventually([&] { return c.messageBox() != nullptr; }), "Enter presses the focused button");
    press(VK_RETURN);
    expect(eventually([&] { return c.messageBox() == nullptr; }) && tabTo(c.item(app::text(5))),
        "its message closed, Tab goes on to the force box");
    press(VK_RETURN);
    settle();
    expect(c.messageBox() == nullptr, "Enter in a box presses no button");
}

// The traditional road: Space and the arrow keys on the class buttons, a click on a grade, a
// keyboard pick from the open list, a message box, typing, a mouse pick, "计  算".
void traditionalRoad(const Calculator &c)
{
    bool reached = false;
    for (int i = 0; i < 100 && !reached; ++i) {
        const HWND before = c.focus();
        press(VK_TAB);
        eventually([&] { return c.focus() != before; });
        reached = c.focus() == c.item(app::option(1));
    }
    expect(reached, "Tab reaches 6×19＋1 again");
    moveTo(middleOf(
        c.item(app::option(1)))); // a button pressed by Space stays pressed while the pointer is on it
    press(VK_SPACE);
    expect(eventually([&] { return c.checked(1) && c.enabled(app::combo(1)) && !c.enabled(app::combo(2)); }),
        "Space selects 6×19＋1 and runs its handler");
    press(VK_RIGHT);
    expect(eventually([&] {
        return c.checked(2) && !c.checked(1) && c.enabled(app::combo(2)) && !c.enabled(app::combo(1));
    }),
        "an arrow key selects the next class");
    press(VK_LEFT);
    expect(eventually([&] { return c.checked(1) && !c.checked(2) && c.enabled(app::combo(1)); }), "and back");
    click(c.item(app::option(6)));
    expect(eventually([&] { return c.checked(6); }), "a click selects 155kg/mm2");

    HWND list = c.item(app::combo(1));
    click(fieldOf(list));
    press(VK_F4);
    expect(
        eventually([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }), "F4 opens the list");
    for (int i = 0; i < 10; ++i)
        press(VK_DOWN);
    settle();
    expect(
        c.text(app::text(1)).empty() && c.picked(1) == 9, "arrowing through the open list picks nothing yet");
    press(VK_RETURN);
    const std::vector<std::string> road { "151.24", "142.9", "23400", "19890" };
    expect(eventually([&] {
        return texts(c, { 1, 2, 3, 4 }) == road;
    }),
        "Enter picks φ20.0: 151.24, 142.9, 23400, 19890");
    expect(eventually([&] {
        return c.text(app::combo(1)) == "φ20.0" && SendMessageW(list, CB_GETCOUNT, 0, 0) == 21;
    }),
        "the pick shows its item");

    click(c.item(app::option(1)));
    settle();
    expect(texts(c, { 1, 2, 3, 4 }) == road && c.text(app::combo(1)) == "φ20.0",
        "clicking the selected class runs nothing");

    click(c.item(app::command(1)));
    HWND box = nullptr;
    expect(eventually([&] { return (box = c.messageBox()) != nullptr; }), "no force: a message box");
    if (box != nullptr) {
        wchar_t title[64] {};
        GetWindowTextW(box, title, 64);
        expect(utf8(title) == app::kWindowCaption, "the message box has the window's caption");
        const std::string message = messageOf(box);
        expect(message == "请输入钢丝绳受力", "and asks for the force");
        if (message != "请输入钢丝绳受力")
            std::printf("  the message box says \"%s\"\n", message.c_str());
        int buttons = 0;
        bool icon = false;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t className[32] {};
            GetClassNameW(child, className, 32);
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (IsWindowVisible(child) && lstrcmpiW(className, L"Button") == 0)
                ++buttons;
            icon = icon
                || (IsWindowVisible(child) && lstrcmpiW(className, L"Static") == 0
                    && (style & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0) != 0);
        }
        expect(buttons == 1 && !icon, "with one button and no icon");
        press(VK_RETURN);
        expect(eventually([&] { return c.messageBox() == nullptr; }), "Enter closes it");
    }
    expect(
        texts(c, { 1, 2, 3, 4, 6 }) == std::vector<std::string> { "151.24", "142.9", "23400", "19890", "" },
        "after the message every box keeps what it held");

    click(c.item(app::text(5)));
    type("2000");
    expect(eventually([&] { return c.text(app::text(5)) == "2000"; }), "typing into the force box");
    HWND purposes = c.item(app::combo(5));
    click(purposes, 8); // the arrow
    clickItem(purposes, 2);
    expect(eventually([&] { return c.text(app::combo(5)) == "井架提升6" && c.picked(5) == 2; }),
        "a mouse pick of 井架提升6");
    click(c.item(app::command(1)));
    expect(eventually([&] { return c.text(app::text(6)) == "9.945"; }), "计  算: 19890 ÷ 2000 = 9.945");
    expect(eventually([&] { return c.background(6) == kWhite; }), "on white");

    click(c.item(app::text(5)));
    press(VK_END);
    type("00");
    expect(eventually([&] { return c.text(app::text(5)) == "200000" && c.text(app::text(6)).empty(); }),
        "a new force empties the result");
    click(c.item(app::command(1)));
    expect(eventually([&] { return c.text(app::text(6)) == "重选钢丝绳" && c.background(6) == kRed; }),
        "too weak for 200000: 重选钢丝绳 on red");
    click(c.item(app::text(5)));
    press(VK_BACK);
    expect(eventually([&] { return c.text(app::text(6)).empty() && c.background(6) == kWhite; }),
        "changing the force again empties the result and makes it white");

    // Typing in a diameter list's field, or Enter there, is no pick and adds nothing.
    click(fieldOf(list));
    press(VK_END);
    type("x");
    press(VK_RETURN);
    settle();
    expect(c.text(app::combo(1)) == "φ20.0x" && texts(c, { 1, 2, 3, 4 }) == road
            && SendMessageW(list, CB_GETCOUNT, 0, 0) == 21 && c.messageBox() == nullptr,
        "typing and Enter in a list's field look nothing up and add no item");
}

// Typing at the end of a list's field right after a mouse pick: the keys land where the caret
// stands, in each purpose list and in a diameter list, and the check reads the whole text.
void typingAfterAPick(const Calculator &c)
{
    struct Row {
        int list;
        int item;
        std::string_view typed;
        std::string_view shown;
    };
    for (const Row &row : { Row { 5, 0, "abc", "绑扎绳10abc" },
             Row { 10, 6, "12345678901234567890", "缆绳3.512345678901234567890" },
             Row { 1, 11, "abc", "φ23.0abc" }, Row { 5, 2, "3.5", "井架提升63.5" } }) {
        HWND list = c.item(app::combo(row.list));
        click(list, 8); // the arrow
        clickItem(list, row.item);
        click(fieldOf(list), 4); // past the end of the item's text
        type(row.typed);
        const bool shown = eventually([&] { return c.text(app::combo(row.list)) == row.shown; });
        expect(shown, "typing after a pick adds the keys at the end of the field");
        if (!shown)
            std::printf("  Combo%d shows \"%s\" where \"%s\" was due\n", row.list,
                c.text(app::combo(row.list)).c_str(), std::string(row.shown).c_str());
    }
    expect(eventually([&] {
        return texts(c, { 1, 2, 3, 4 }) == std::vector<std::string> { "201.35", "190.3", "31200", "26500" };
    }),
        "typing after a diameter's pick looks nothing up");
    click(c.item(app::command(1)));
    HWND box = nullptr;
    expect(eventually([&] { return (box = c.messageBox()) != nullptr; })
            && messageOf(box) == common::kChoosePurposeMessage,
        "the check reads the typed purpose whole: 井架提升63.5 is neither a purpose nor a factor");
    press(VK_RETURN);
    expect(eventually([&] { return c.messageBox() == nullptr; }), "Enter closes the message");
}

// A cell the tables mend: 6×61＋1, 200kg/mm2, φ50.0 was printed 229500 and 183600, which passed
// 24800 kgf on a headframe hoist at 7.4; its own area gives 148800, and 6 is not above 6.
void mendedCell(const Calculator &c)
{
    click(c.item(app::option(3)));
    click(c.item(app::option(9)));
    HWND list = c.item(app::combo(3));
    click(fieldOf(list));
    press(VK_F4);
    for (int i = 0; i < 15; ++i)
        press(VK_DOWN);
    press(VK_RETURN);
    expect(eventually([&] {
        return texts(c, { 1, 2, 3, 4 }) == std::vector<std::string> { "930.88", "875", "186000", "148800" };
    }),
        "6×61＋1 200kg/mm2 φ50.0 shows the mended 186000 and 148800");
    click(c.item(app::text(5)));
    press(VK_END);
    for (int i = 0; i < 10; ++i)
        press(VK_BACK);
    type("24800");
    HWND purposes = c.item(app::combo(5));
    click(purposes, 8); // the arrow
    clickItem(purposes, 2);
    expect(
        eventually([&] { return c.text(app::text(5)) == "24800" && c.text(app::combo(5)) == "井架提升6"; }),
        "24800 typed, 井架提升6 picked");
    click(c.item(app::command(1)));
    expect(eventually([&] { return c.text(app::text(6)) == "重选钢丝绳" && c.background(6) == kRed; }),
        "148800 ÷ 24800 = 6 is not above 6: 重选钢丝绳 on red");
}

// A standard class empties the traditional frame and switches the buttons; then the standard
// road, picking with the arrow keys on the closed list.
void standardRoad(const Calculator &c)
{
    click(c.item(app::option(10)));
    expect(eventually([&] { return c.checked(10) && !c.checked(1); }),
        "a standard class clears the traditional one");
    expect(eventually([&] {
        return !c.enabled(app::combo(1)) && c.enabled(app::combo(6)) && !c.enabled(app::command(1))
            && c.enabled(app::command(2));
    }),
        "and switches the lists and buttons");
    expect(eventually([&] {
        return texts(c, { 1, 2, 3, 4 }) == std::vector<std::string>(4);
    }),
        "and empties the traditional read-outs");

    click(c.item(app::option(19)));
    click(c.item(app::option(15)));
    expect(eventually([&] { return c.checked(19) && c.checked(15); }), "fibre core, 1570kN/mm2");
    click(fieldOf(c.item(app::combo(6))));
    for (int i = 0; i < 3; ++i)
        press(VK_DOWN);
    expect(eventually([&] {
        return texts(c, { 7, 8, 10 }) == std::vector<std::string> { "8.65", "8.42", "12" };
    }),
        "the arrow keys on the closed list pick φ5: 8.65, 8.42, 12");
    click(c.item(app::text(12)));
    type("200");
    HWND purposes = c.item(app::combo(10));
    click(purposes, 8);
    clickItem(purposes, 2);
    expect(eventually([&] { return c.text(app::combo(10)) == "井架提升6"; }), "a mouse pick of 井架提升6");
    click(c.item(app::command(2)));
    expect(
        eventually([&] { return c.text(app::text(13)) == "6.12"; }), "计  算: 12 kN over 200 kg gives 6.12");
    if (c.text(app::text(13)) != "6.12")
        std::printf("  Text13 shows \"%s\"%s\n", c.text(app::text(13)).c_str(),
            c.messageBox() != nullptr ? ", and a message box is open" : "");
}

// What the exe carries: a manifest asking for the visual styles, per-monitor DPI awareness,
// Windows 10 and 11 and the user's own rights; an icon from 16 to 256 pixels; a version
// resource in Simplified Chinese with the product's name and version.
void resources(const std::wstring &program)
{
    HMODULE exe
        = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const auto resource = [exe](LPCWSTR name, LPCWSTR type) {
        HRSRC found = FindResourceW(exe, name, type);
        const auto *data = static_cast<const char *>(LockResource(LoadResource(exe, found)));
        return data == nullptr ? std::string_view {} : std::string_view(data, SizeofResource(exe, found));
    };
    const std::string_view manifest = resource(CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    bool asked = !manifest.empty();
    for (std::string_view wanted : { "Microsoft.Windows.Common-Controls", "PerMonitorV2",
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "asInvoker" })
        asked = asked && manifest.find(wanted) != std::string_view::npos;
    expect(asked, "the manifest asks for visual styles, per-monitor DPI, Windows 10 and 11, asInvoker");

    // A group icon: a header of three WORDs, then 14 bytes an image, its width first (0 for 256).
    const std::string_view icons = resource(MAKEINTRESOURCEW(IDI_ROPECALC), RT_GROUP_ICON);
    std::vector<int> widths;
    for (std::size_t at = 6; at + 14 <= icons.size(); at += 14)
        widths.push_back(icons[at] == 0 ? 256 : int(static_cast<unsigned char>(icons[at])));
    expect(std::ranges::find(widths, 16) != widths.end() && std::ranges::find(widths, 256) != widths.end(),
        "the icon has 16 to 256 pixels");
    FreeLibrary(exe);

    std::vector<char> version(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    const auto value = [&version](const wchar_t *name) {
        wchar_t *text = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        if (VerQueryValueW(version.data(), path.c_str(), reinterpret_cast<void **>(&text), &length) == FALSE)
            return std::string {};
        return utf8(std::wstring(text, length > 0 ? length - 1 : 0));
    };
    const bool read = !version.empty()
        && GetFileVersionInfoW(program.c_str(), 0, DWORD(version.size()), version.data()) != FALSE;
    expect(
        read && value(L"ProductName") == app::kWindowCaption && value(L"ProductVersion") == ROPECALC_VERSION,
        "the version resource names the product and its version, in Simplified Chinese");
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 && argc != 3) {
        std::printf("usage: drive_window ropecalc.exe [dpi]\n");
        return 2;
    }
    // Sees the window's own pixels, as the window does, at any DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    {
        const Calculator calculator(windowsPath(argv[1]));
        expect(calculator.window() != nullptr, "the window opens");
        if (calculator.window() == nullptr)
            return 1;
        startState(calculator);
        // At another DPI: only the window's shape.
        layout(calculator, argc == 3 ? _wtoi(argv[2]) : 96);
        if (argc == 3) {
            std::printf("%d passed, %d failed\n", passes, failures);
            return failures == 0 ? 0 : 1;
        }
        resources(windowsPath(argv[1]));
        tabOrder(calculator);
        enterKey(calculator);
        traditionalRoad(calculator);
        typingAfterAPick(calculator);
        mendedCell(calculator);
        standardRoad(calculator);
        PostMessageW(calculator.window(), WM_CLOSE, 0, 0);
        expect(calculator.exitCode() == 0, "closing the window ends the program with status 0");
    }
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
