// Drives the rope selection window of the real ropecalc.exe with SendInput, and holds what it
// shows to the model fed the same inputs in this process: every way of opening it, the job typed
// and picked, the first row and the status line, a header click, the copy button, Enter on the
// list taking the row over into the calculator, and nothing taken over under the calculator's
// message box; then an inclined job: 斜井 and its inputs, the worked example typed, its rope taken
// over, a bad angle, and back to 竖井. Then the guide and the About box, opened by F1 and the menus.
// Usage: drive_selection ropecalc.exe [picture | guide | sheet | sheet-picture | dpi]
//   (picture: only the inclined job of the README's picture, guide: only the guide opened by F1, then
//   each waits until the program ends; sheet: the calculation sheet's preview, opened from the
//   calculator and from the selection window, and saved; sheet-picture: the preview of the 9.945
//   job, then waits; dpi: the windows' shape at the screen's DPI)

#include "app/calculator/presentation.h"
#include "app/help/help.h"
#include "app/selection/selection.h"
#include "app/sheet/sheet_window.h"
#include "app/win32/control_ids.h"
#include "app/win32/sheet_window.h"
#include "app/win32/win_text.h"
#include "tests/support/calculator_trial.h"
#include "tests/win32/windows_input.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

using app::listing::Column;
using app::listing::Method;
using namespace drive;

int failures = 0;
int passes = 0;

void expect(bool ok, const char *what)
{
    ++(ok ? passes : failures);
    if (!ok)
        std::printf("FAIL: %s\n", what);
}

HWND controlIn(HWND selection, app::SelectionControl control)
{
    return GetDlgItem(selection, winview::controlId(control));
}

// The window of this class of the calculator's process, if one is shown.
HWND shownOf(const Calculator &c, const wchar_t *className)
{
    DWORD calculator = 0;
    GetWindowThreadProcessId(c.window(), &calculator);
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, className, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        if (process == calculator && IsWindowVisible(found) != FALSE)
            return found;
    }
    return nullptr;
}

HWND selectionOf(const Calculator &c)
{
    return shownOf(c, L"ropecalc.Selection");
}

// The popup menu that is open, if one is.
HWND openMenu()
{
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr)
        if (IsWindowVisible(menu) != FALSE)
            return menu;
    return nullptr;
}

bool menuOpen()
{
    return openMenu() != nullptr;
}

// A cell of the other process's list: the message's item and its text buffer must live in that
// process, so they are made there.
std::string cellOf(HWND list, int row, int column)
{
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process == nullptr)
        return "(no access)";
    constexpr int kChars = 256;
    void *remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
        MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    LVITEMW item {};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t *>(static_cast<char *>(remote) + sizeof(LVITEMW));
    WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
    const auto length = SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(remote));
    std::wstring text(std::size_t(std::max<LRESULT>(length, 0)), L'\0');
    ReadProcessMemory(process, item.pszText, text.data(), text.size() * sizeof(wchar_t), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return utf8(text);
}

// The cells of a row of the list, as it shows them.
std::vector<std::string> rowOf(HWND list, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < int(app::listing::kColumnCount); ++column)
        cells.push_back(cellOf(list, row, column));
    return cells;
}

std::vector<std::string> modelRow(const app::Selection &model, std::size_t row)
{
    if (row >= model.rows().size())
        return {};
    const auto &cells = model.rows().at(row).cells;
    return { cells.begin(), cells.end() };
}

int currentRow(HWND list)
{
    return int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

std::string clipboardText()
{
    std::string text;
    if (OpenClipboard(nullptr) == FALSE)
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data)); chars != nullptr) {
            text = utf8(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void rightClickAt(POINT at)
{
    moveTo(at);
    mouseButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

// An item of the system menu by the keyboard: the calculator's items are its last ones.
void systemMenuItem(const Calculator &c, app::Command command)
{
    click(c.item(app::label(16)));
    press(VK_SPACE, VK_MENU);
    eventually(menuOpen);
    const auto *const item = &app::menuItem(command);
    for (auto up = app::kMenuItems.end() - item; up > 0; --up)
        press(VK_UP);
    press(VK_RETURN);
}

// Opened from the system menu by the keyboard.
HWND openBySystemMenu(const Calculator &c)
{
    systemMenuItem(c, app::Command::SelectRopes);
    HWND selection = nullptr;
    eventually([&] { return (selection = selectionOf(c)) != nullptr; });
    return selection;
}

// Every way to the menu item opens the window, hidden before; it is the same window each time.
void opening(const Calculator &c)
{
    struct Way {
        const char *what;
        void (*open)(const Calculator &);
    };
    const Way ways[] {
        { "right-click on a label, the item by keyboard",
            [](const Calculator &c) {
                click(c.item(app::label(16)));
                rightClickAt(middleOf(c.item(app::label(16))));
                eventually(menuOpen);
                press(VK_DOWN);
                press(VK_RETURN);
            } },
        { "right-click on a frame, the item by a click",
            [](const Calculator &c) {
                click(c.item(app::label(16))); // the window active first, as the menu closes when it changes
                RECT frame {};
                GetWindowRect(c.item(app::frame(1)), &frame);
                rightClickAt({ frame.left + 3, (frame.top + frame.bottom) / 2 });
                eventually(menuOpen);
                Sleep(100); // placed where it opens
                RECT menu {};
                GetWindowRect(openMenu(), &menu);
                // The first of the menu's items, which are as high as each other.
                clickAt({ (menu.left + menu.right) / 2,
                    menu.top + (menu.bottom - menu.top) / int(2 * app::kMenuItems.size()) });
            } },
        { "Shift+F10 on a focused option button",
            [](const Calculator &c) {
                click(c.item(app::label(16)));
                press(VK_TAB); // the first in tab order, which an option button is
                eventually([&c] { return c.focus() == c.item(app::option(1)); });
                press(VK_F10, VK_SHIFT);
                eventually(menuOpen);
                press(VK_DOWN);
                press(VK_RETURN);
            } },
        { "Alt+Space, the system menu's item", [](const Calculator &c) { openBySystemMenu(c); } },
    };
    HWND first = nullptr;
    for (const Way &way : ways) {
        if (HWND shown = selectionOf(c); shown != nullptr) {
            PostMessageW(shown, WM_CLOSE, 0, 0); // closing hides it
            eventually([&c] { return selectionOf(c) == nullptr; });
        }
        way.open(c);
        HWND opened = nullptr;
        const bool ok = eventually([&] { return (opened = selectionOf(c)) != nullptr; });
        expect(ok && (first == nullptr || opened == first), way.what);
        if (first == nullptr)
            first = opened;
    }
    expect(c.checked(1) == false, "Shift+F10 on the option button selected nothing");
}

// The way's buttons, the inclined inputs and the length's label as 竖井 (false) or 斜井 (true) has
// them: the inputs and their labels enabled only while inclined.
bool wayShown(HWND selection, bool inclined)
{
    const auto checked = [selection](app::SelectionControl option) {
        return SendMessageW(controlIn(selection, option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    bool shown = checked(app::SelectionControl::InclinedOption) == inclined
        && checked(app::SelectionControl::VerticalOption) == !inclined
        && Calculator::textOf(controlIn(selection, app::kLengthLabel))
            == (inclined ? "斜长(m)" : "悬垂长度(m)");
    for (const app::InclinedInput &row : app::kInclinedInputs)
        for (const app::SelectionControl input : { row.label.control, row.box.control })
            shown = shown && (IsWindowEnabled(controlIn(selection, input)) != FALSE) == inclined;
    return shown;
}

// The window as it opens: its caption, owner and size at its DPI, every control by its ID and
// class, each input right after its label, the model's start state.
void startState(const Calculator &c, HWND selection, const app::Selection &model)
{
    wchar_t caption[64] {};
    GetWindowTextW(selection, caption, 64);
    expect(utf8(caption) == app::kSelectionCaption, "the window's caption");
    expect(GetWindow(selection, GW_OWNER) == c.window(), "owned by the calculator window");
    RECT client {};
    GetClientRect(selection, &client);
    const int dpi = int(GetDpiForWindow(selection));
    const bool sized = client.right == app::pixels(app::kSelectionWidth, dpi)
        && client.bottom == app::pixels(app::kSelectionHeight, dpi);
    expect(sized, "its client area is the design's at its DPI");
    if (!sized)
        std::printf("  %ld x %ld at %d dpi\n", client.right, client.bottom, dpi);
    bool made = true;
    HWND previous = nullptr;
    bool ordered = true;
    for (const app::SelectionSpec &row : app::kSelectionControls) {
        HWND control = controlIn(selection, row.control);
        wchar_t className[32] {};
        GetClassNameW(control, className, 32);
        const wchar_t *wanted = L"Button";
        switch (row.piece) {
        case app::Piece::Label:
        case app::Piece::Status:
            wanted = L"Static";
            break;
        case app::Piece::Box:
            wanted = L"Edit";
            break;
        case app::Piece::PurposeList:
            wanted = L"ComboBox";
            break;
        case app::Piece::Table:
            wanted = WC_LISTVIEWW;
            break;
        default:
            break;
        }
        made = made && control != nullptr && lstrcmpiW(className, wanted) == 0;
        ordered = ordered && (previous == nullptr || GetWindow(control, GW_HWNDPREV) == previous);
        previous = control;
    }
    expect(made, "every control has its ID and class");
    expect(ordered, "the controls in table order, each label before its input");
    const auto isChecked = [selection](app::SelectionControl control) {
        return SendMessageW(controlIn(selection, control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    using app::SelectionControl;
    expect(isChecked(SelectionControl::InstallOption) && !isChecked(SelectionControl::MineOption)
            && isChecked(SelectionControl::TraditionalCheck) && isChecked(SelectionControl::StandardCheck),
        "安装 and both methods to start with");
    expect(wayShown(selection, false), "竖井 to start with: the inclined inputs disabled, 悬垂长度(m)");
    HWND list = controlIn(selection, app::kRopeList);
    expect(Calculator::textOf(controlIn(selection, app::kStatusLabel)) == model.status()
            && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == LRESULT(model.rows().size()),
        "the status line and the list are the model's");
}

// Tab goes through every enabled input, option, check box, button and the list in table order,
// round, past the disabled inclined inputs, and taking the focus selects no work type and no way.
void tabOrder(const Calculator &c, HWND selection)
{
    std::vector<HWND> order;
    for (const app::SelectionSpec &row : app::kSelectionControls)
        if (row.piece != app::Piece::Label && row.piece != app::Piece::Status
            && IsWindowEnabled(controlIn(selection, row.control)) != FALSE)
            order.push_back(controlIn(selection, row.control));
    const auto focused = [&c](HWND control) {
        return eventually([&] { return c.focus() == control || GetParent(c.focus()) == control; }, 2000);
    };
    click(order.front());
    bool inOrder = focused(order.front());
    for (std::size_t k = 1; k <= order.size(); ++k) {
        press(VK_TAB);
        if (inOrder && !focused(order.at(k % order.size()))) {
            inOrder = false;
            std::printf("  Tab %d: the focus is on control %d, not %d\n", int(k), GetDlgCtrlID(c.focus()),
                GetDlgCtrlID(order.at(k % order.size())));
        }
    }
    press(VK_TAB, VK_SHIFT);
    inOrder = inOrder && focused(order.back());
    expect(inOrder, "Tab goes through the controls in table order, round, and Shift+Tab back");
    expect(SendMessageW(controlIn(selection, app::SelectionControl::InstallOption), BM_GETCHECK, 0, 0)
                == BST_CHECKED
            && SendMessageW(controlIn(selection, app::SelectionControl::MineOption), BM_GETCHECK, 0, 0)
                == BST_UNCHECKED
            && wayShown(selection, false),
        "and 安装 and 竖井 stay selected");
}

// The list shows the model's rows, the first current, and the model's status line.
void sameAsModel(HWND selection, const app::Selection &model, const char *what)
{
    HWND list = controlIn(selection, app::kRopeList);
    HWND status = controlIn(selection, app::kStatusLabel);
    const bool ok = eventually([&] {
        return Calculator::textOf(status) == model.status()
            && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == LRESULT(model.rows().size())
            && rowOf(list, 0) == modelRow(model, 0) && currentRow(list) == (model.rows().empty() ? -1 : 0);
    });
    expect(ok && !model.rows().empty(), what);
    if (!ok) {
        std::printf("  status \"%s\", %d rows, row %d current; the model: \"%s\", %d rows\n",
            Calculator::textOf(status).c_str(), int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)),
            currentRow(list), model.status().c_str(), int(model.rows().size()));
        for (const std::string &cell : rowOf(list, 0))
            std::printf("  | %s", cell.c_str());
        std::printf("\n");
    }
}

// The job of the README's picture, typed and picked; the model told the same.
void typeJob(HWND selection, app::Selection &model)
{
    click(controlIn(selection, app::kLoadBox));
    type("2000");
    model.typeLoad("2000");
    click(controlIn(selection, app::kLengthBox));
    type("600");
    model.typeLength("600");
    const auto purposes = app::Selection::purposes();
    const int item = int(std::ranges::find(purposes, "井架提升6") - purposes.begin());
    HWND combo = controlIn(selection, app::kPurposeBox);
    click(combo, 8); // the arrow
    clickItem(combo, item);
    model.pickPurpose(item);
}

// The arrow keys on the work types' buttons select the other, which lists anew.
void workByArrows(HWND selection, app::Selection &model)
{
    HWND install = controlIn(selection, app::SelectionControl::InstallOption);
    HWND mine = controlIn(selection, app::SelectionControl::MineOption);
    click(install); // selected already: no change
    press(VK_DOWN);
    model.selectWork(standard::WorkType::MineConstruction);
    sameAsModel(selection, model, "an arrow key selects 矿建 and lists anew");
    expect(SendMessageW(mine, BM_GETCHECK, 0, 0) == BST_CHECKED
            && SendMessageW(install, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "矿建 alone is selected");
    press(VK_UP);
    model.selectWork(standard::WorkType::Installation);
    sameAsModel(selection, model, "and back to 安装");
}

// The 安全系数 column's header on the screen.
RECT factorHeader(HWND selection)
{
    HWND list = controlIn(selection, app::kRopeList);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    RECT rect {};
    GetWindowRect(header, &rect);
    for (int column = 0; column < int(Column::Factor); ++column)
        rect.left += int(SendMessageW(list, LVM_GETCOLUMNWIDTH, WPARAM(column), 0));
    rect.right = rect.left + int(SendMessageW(list, LVM_GETCOLUMNWIDTH, WPARAM(Column::Factor), 0));
    return rect;
}

// A click on the 安全系数 header sorts by it, a second one reverses, as the model does.
void sortByHeader(HWND selection, app::Selection &model)
{
    const RECT factor = factorHeader(selection);
    for (const char *what : { "a header click sorts by 安全系数", "a second click reverses it" }) {
        clickAt({ (factor.left + factor.right) / 2, (factor.top + factor.bottom) / 2 });
        model.sortBy(Column::Factor);
        sameAsModel(selection, model, what);
    }
}

// An owned window stays above its owner: moved beside it, as a user would drag it, so that it
// covers none of the calculator's controls the test clicks.
void besideCalculator(const Calculator &c, HWND selection)
{
    RECT calculator {};
    RECT own {};
    GetWindowRect(c.window(), &calculator);
    GetWindowRect(selection, &own);
    const bool right = calculator.right + (own.right - own.left) <= GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(selection, nullptr, right ? calculator.right : calculator.left,
        right ? calculator.top : calculator.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT moved {};
    expect(eventually([&] {
        GetWindowRect(selection, &moved);
        return IntersectRect(&own, &moved, &calculator) == FALSE;
    }),
        "the selection window moved beside the calculator");
}

// The calculator's result box of the method of a row.
Ref resultBoxOf(const app::listing::Listed &row)
{
    return app::text(row.rope.method == Method::Traditional ? 6 : 13);
}

// Under the calculator's message box the selection window still takes input, but takes no rope
// over; Enter on the list with the box closed does, and brings the calculator to the front.
void takeOver(const Calculator &c, HWND selection, const app::Selection &model)
{
    HWND list = controlIn(selection, app::kRopeList);
    const app::listing::Listed &first = model.rows().front();
    click(c.item(app::command(1))); // no class: a message box
    HWND box = nullptr;
    expect(eventually([&] { return (box = c.messageBox()) != nullptr; }), "the calculator shows a message");
    click(controlIn(selection, app::kUseButton));
    settle();
    expect(c.messageBox() == box && c.text(resultBoxOf(first)).empty() && !c.checked(1) && !c.checked(10),
        "用于计算 under the calculator's message box does nothing");
    SendMessageW(box, WM_COMMAND, IDOK, 0);
    eventually([&] { return c.messageBox() == nullptr; });

    click(controlIn(selection, app::kCopyButton));
    expect(eventually([&] { return clipboardText() == model.copyText(); }),
        "复制 puts the model's text on the clipboard");
    // From the copy button past 计算书…, 竖井 and 斜井 to the list: the inclined inputs are disabled.
    for (int tab = 0; tab < 4; ++tab)
        press(VK_TAB);
    expect(eventually([&] { return c.focus() == list; }),
        "Tab goes on from 复制 past 计算书… and the way's buttons to the list");
    press(VK_RETURN);
    const std::string factor = first.cells.at(std::size_t(Column::Factor));
    const bool shown = eventually([&] { return c.text(resultBoxOf(first)) == factor; });
    expect(shown, "Enter on the list: the calculator's result box shows the row's 安全系数");
    if (!shown)
        std::printf("  the result box shows \"%s\" where \"%s\" was due\n",
            c.text(resultBoxOf(first)).c_str(), factor.c_str());
    expect(eventually([&] { return GetForegroundWindow() == c.window(); }), "and the calculator is in front");
}

// A third click on the header sorts ascending again; a double-click on the first row, the rope
// with the lowest factor now, takes it over.
void doubleClick(const Calculator &c, HWND selection, app::Selection &model)
{
    const RECT header = factorHeader(selection);
    clickAt({ header.left + 10, (header.top + header.bottom) / 2 });
    model.sortBy(Column::Factor);
    sameAsModel(selection, model, "a third header click sorts ascending again");
    const app::listing::Listed &first = model.rows().front();
    moveTo({ header.left + 30, header.bottom + 5 }); // on the first row, under the header
    INPUT input {};
    input.type = INPUT_MOUSE;
    for (int click = 0; click < 2; ++click)
        for (DWORD flags : { MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP }) {
            input.mi.dwFlags = flags;
            send(input);
        }
    const std::string factor = first.cells.at(std::size_t(Column::Factor));
    const bool shown = eventually([&] { return c.text(resultBoxOf(first)) == factor; });
    expect(shown, "a double-click on the first row: the calculator's result box shows its 安全系数");
    if (!shown)
        std::printf("  the result box shows \"%s\" where \"%s\" was due\n",
            c.text(resultBoxOf(first)).c_str(), factor.c_str());
}

// The list shows the model's rows, every cell of every row in view, the first current or none,
// and the model's status line.
void inViewAsModel(HWND selection, const app::Selection &model, const char *what)
{
    HWND list = controlIn(selection, app::kRopeList);
    HWND status = controlIn(selection, app::kStatusLabel);
    const auto rows = int(model.rows().size());
    int mismatch = -1;
    const bool ok = eventually([&] {
        if (Calculator::textOf(status) != model.status() || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != rows
            || currentRow(list) != (rows == 0 ? -1 : 0))
            return false;
        const auto top = int(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        const int end = std::min(rows, top + int(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)) + 1);
        for (mismatch = top; mismatch < end; ++mismatch)
            if (rowOf(list, mismatch) != modelRow(model, std::size_t(mismatch)))
                return false;
        mismatch = -1;
        return true;
    });
    expect(ok, what);
    if (!ok) {
        std::printf("  status \"%s\", %d rows; the model: \"%s\", %d rows\n",
            Calculator::textOf(status).c_str(), int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)),
            model.status().c_str(), rows);
        if (mismatch >= 0) {
            std::printf("  row %d:", mismatch);
            for (const std::string &cell : rowOf(list, mismatch))
                std::printf(" | %s", cell.c_str());
            std::printf("\n  model:");
            for (const std::string &cell : modelRow(model, std::size_t(mismatch)))
                std::printf(" | %s", cell.c_str());
            std::printf("\n");
        }
    }
}

// Replaces what a box holds by typing over all of it, as a user who selects it first.
void retype(HWND box, std::string_view text)
{
    click(box);
    press(VK_END);
    press(VK_HOME, VK_SHIFT);
    type(text);
}

void chooseWay(HWND selection, app::Selection &model, app::listing::Way way)
{
    click(controlIn(selection, app::kWayOptions.at(std::size_t(way)).option));
    model.selectWay(way);
}

// The guide's worked example of an inclined shaft, typed and picked, in a window set to 斜井;
// the model told the same.
void typeInclinedJob(HWND selection, app::Selection &model)
{
    retype(controlIn(selection, app::kLoadBox), "8000");
    model.typeLoad("8000");
    retype(controlIn(selection, app::kLengthBox), "620");
    model.typeLength("620");
    const auto purposes = app::Selection::purposes();
    const int item = int(std::ranges::find(purposes, "矿井提物7.5") - purposes.begin());
    HWND combo = controlIn(selection, app::kPurposeBox);
    click(combo, 8); // the arrow
    clickItem(combo, item);
    model.pickPurpose(item);
    for (const auto &[input, text] : { std::pair { app::Inclined::Angle, "28" },
             std::pair { app::Inclined::Track, "0.015" }, std::pair { app::Inclined::Drag, "0.15" } }) {
        retype(controlIn(selection, app::kInclinedInputs.at(std::size_t(input)).box), text);
        model.typeInclined(input, text);
    }
}

// The first row of the list clicked, which focuses the list and leaves that row current.
void clickFirstRow(HWND selection)
{
    RECT header {};
    GetWindowRect(
        reinterpret_cast<HWND>(SendMessageW(controlIn(selection, app::kRopeList), LVM_GETHEADER, 0, 0)),
        &header);
    clickAt({ header.left + 30, header.bottom + 5 });
}

// 斜井 enables the inclined inputs and names the length 斜长; the worked example lists as the
// model does, its 6×19＋1 φ26.0 at the guide's tension, and that row taken over by the keyboard
// gives its factor in the calculator. An angle of 0 lists nothing and says why; 竖井, clicked or
// by an arrow key, disables the inputs, keeps what they hold and lists the vertical job again.
void inclined(const Calculator &c, HWND selection, app::Selection &model)
{
    chooseWay(selection, model, app::listing::Way::Inclined);
    expect(eventually([&] { return wayShown(selection, true); }),
        "a click on 斜井: the inclined inputs enabled, the length is 斜长(m)");
    inViewAsModel(selection, model, "and the list and status line are the model's");
    typeInclinedJob(selection, model);
    inViewAsModel(
        selection, model, "the worked example: every cell in view and the status line are the model's");

    HWND list = controlIn(selection, app::kRopeList);
    const auto &rows = model.rows();
    const auto found = std::ranges::find_if(rows, [](const app::listing::Listed &row) {
        return row.rope.method == Method::Traditional && row.rope.ropeClass == 0
            && row.cells.at(std::size_t(Column::Diameter)) == "φ26.0";
    });
    const int k = int(found - rows.begin());
    const std::vector<std::string> cells = found == rows.end() ? std::vector<std::string> {} : rowOf(list, k);
    expect(found != rows.end() && cells == modelRow(model, std::size_t(k))
            && cells.at(std::size_t(Column::Weight)) == "244.4"
            && cells.at(std::size_t(Column::Tension)) == "4773.79400736449",
        "6×19＋1 φ26.0 (244.4 kg) at a static tension of 4773.79400736449 kgf");
    if (found == rows.end())
        return;
    clickFirstRow(selection);
    for (int down = 0; down < k; ++down)
        press(VK_DOWN);
    const bool current = eventually([&] { return currentRow(list) == k; });
    press(VK_RETURN);
    const std::string factor = found->cells.at(std::size_t(Column::Factor));
    const bool shown = eventually([&] { return c.text(resultBoxOf(*found)) == factor; });
    expect(current && shown, "its row taken over by Enter: the calculator's result box shows its 安全系数");
    if (!shown)
        std::printf("  the result box shows \"%s\" where \"%s\" was due\n",
            c.text(resultBoxOf(*found)).c_str(), factor.c_str());

    HWND angle = controlIn(selection, app::kInclinedInputs.front().box);
    retype(angle, "0");
    model.typeInclined(app::Inclined::Angle, "0");
    inViewAsModel(selection, model, "an angle of 0: the list and the status line are the model's");
    expect(model.rows().empty() && model.status() == "倾角须大于0°且不大于90°",
        "which lists nothing and says why");

    chooseWay(selection, model, app::listing::Way::Vertical);
    expect(eventually([&] { return wayShown(selection, false); }),
        "a click on 竖井: the inclined inputs disabled, the length is 悬垂长度(m)");
    inViewAsModel(selection, model, "and the vertical job listed again");
    press(VK_DOWN);
    model.selectWay(app::listing::Way::Inclined);
    expect(eventually([&] { return wayShown(selection, true); }), "an arrow key on 竖井 selects 斜井");
    inViewAsModel(selection, model, "which lists anew");
    press(VK_UP);
    model.selectWay(app::listing::Way::Vertical);
    expect(eventually([&] { return wayShown(selection, false); }), "and back to 竖井");
    inViewAsModel(selection, model, "which lists the vertical job");
    const auto holds = [selection](std::size_t input) {
        return Calculator::textOf(controlIn(selection, app::kInclinedInputs.at(input).box));
    };
    expect(holds(0) == "0" && holds(1) == "0.015" && holds(2) == "0.15",
        "the inclined inputs keep what was typed");
}

HWND guideOf(const Calculator &c)
{
    return shownOf(c, L"ropecalc.Guide");
}

// What the calculator's boxes, lists and option buttons show.
std::vector<std::string> calculatorShows(const Calculator &c)
{
    std::vector<std::string> shown;
    for (const app::ControlSpec &row : app::kControls) {
        const Ref ref { row.kind, row.number };
        if (row.kind == app::Kind::Text || row.kind == app::Kind::Combo)
            shown.push_back(c.text(ref));
        if (row.kind == app::Kind::Option)
            shown.emplace_back(c.checked(row.number) ? "checked" : "");
    }
    return shown;
}

// The vertical distance from the page's first paragraph, the title, to its second, in pixels.
int titleDepth(HWND page)
{
    const std::string text = Calculator::textOf(page);
    const auto second = LRESULT(wide(text.substr(0, text.find('\r') + 1)).size());
    const auto at = [page](LRESULT character) {
        return int(short(HIWORD(SendMessageW(page, EM_POSFROMCHAR, WPARAM(character), 0))));
    };
    return at(second) - at(0);
}

// The guide window F1 opened from the calculator's load box: owned by the calculator, its caption
// and size at its DPI, its page with its ID filling it, focused and read-only, holding the guide's
// blocks each as a paragraph; the box took no key. Esc hides it.
void guideByF1(const Calculator &c, int dpi)
{
    click(c.item(app::text(5)));
    const std::string load = c.text(app::text(5));
    press(VK_F1);
    HWND guide = nullptr;
    expect(
        eventually([&] { return (guide = guideOf(c)) != nullptr; }), "F1 in the calculator opens the guide");
    if (guide == nullptr)
        return;
    wchar_t caption[64] {};
    GetWindowTextW(guide, caption, 64);
    expect(utf8(caption) == app::kGuideCaption && GetWindow(guide, GW_OWNER) == c.window(),
        "the guide window's caption, owned by the calculator window");
    expect(c.text(app::text(5)) == load, "and F1 reached no box of the calculator");
    HWND page = GetDlgItem(guide, app::kGuidePageId);
    RECT client {};
    RECT placed {};
    GetClientRect(guide, &client);
    GetWindowRect(page, &placed);
    MapWindowPoints(nullptr, guide, reinterpret_cast<POINT *>(&placed), 2);
    expect(int(GetDpiForWindow(guide)) == dpi && client.right == app::pixels(app::kGuideWidth, dpi)
            && client.bottom == app::pixels(app::kGuideHeight, dpi),
        "its client area is the design's at the screen's DPI");
    expect(page != nullptr && eventually([&] { return c.focus() == page; })
            && EqualRect(&placed, &client) != FALSE
            && (GetWindowLongW(page, GWL_STYLE) & (ES_READONLY | WS_VSCROLL)) == (ES_READONLY | WS_VSCROLL),
        "the page fills it, has the focus, scrolls and is read-only");
    std::string expected;
    for (const app::guide::Paragraph &block : app::guide::paragraphs(app::guide::markdown()))
        expected += (expected.empty() ? "" : "\r") + block.text;
    std::string text = Calculator::textOf(page);
    std::erase(text, '\n');
    expect(text == expected, "the page holds the guide's blocks, each a paragraph of its own");
    if (text != expected)
        std::printf("  %d characters where %d were due; it begins \"%.60s\"\n", int(text.size()),
            int(expected.size()), text.c_str());
    // The title of 16 pt and the 12 pt under it: 28 pt (37 pixels at 96 dpi, 56 at 144 under
    // Wine), a few points either way for the line's height.
    const int depth = titleDepth(page);
    const bool scaled = depth >= 26 * dpi / 72 && depth <= 34 * dpi / 72;
    expect(scaled, "the title's size is in points at the DPI");
    if (!scaled)
        std::printf("  the second paragraph is %d pixels under the title at %d dpi\n", depth, dpi);
    type("x");
    press(VK_RETURN);
    settle();
    std::string typed = Calculator::textOf(page);
    std::erase(typed, '\n');
    expect(typed == text, "typing into the page changes nothing");
    press(VK_ESCAPE);
    expect(eventually([&] { return guideOf(c) == nullptr; }), "Esc hides the guide window");
}

// F1 in the selection window and the context menu's item open the same guide window; closing
// it hides it. The system menu's item shows the About box with the version and the licence,
// which Enter closes, and the calculator shows what it showed before.
void help(const Calculator &c, HWND selection)
{
    guideByF1(c, 96);
    HWND load = controlIn(selection, app::kLoadBox);
    click(load);
    const std::string typed = Calculator::textOf(load);
    press(VK_F1);
    HWND guide = nullptr;
    expect(eventually([&] { return (guide = guideOf(c)) != nullptr; }) && Calculator::textOf(load) == typed,
        "F1 in the selection window's box opens the guide, and the box took no key");
    PostMessageW(guide, WM_CLOSE, 0, 0);
    expect(eventually([&] { return guideOf(c) == nullptr; }), "closing the guide window hides it");
    click(c.item(app::label(16)));
    rightClickAt(middleOf(c.item(app::label(16))));
    eventually(menuOpen);
    for (int down = 0; down < 3; ++down) // past 选择钢丝绳… and 计算书…
        press(VK_DOWN);
    press(VK_RETURN);
    expect(eventually([&] { return guideOf(c) == guide; }) && guide != nullptr,
        "the context menu's 使用说明 opens the same guide window");
    press(VK_ESCAPE);
    eventually([&] { return guideOf(c) == nullptr; });

    const std::vector<std::string> before = calculatorShows(c);
    systemMenuItem(c, app::Command::About);
    HWND box = nullptr;
    expect(
        eventually([&] { return (box = c.messageBox()) != nullptr; }), "the system menu's item opens a box");
    wchar_t caption[64] {};
    GetWindowTextW(box, caption, 64);
    const std::string said = messageOf(box);
    const std::string_view licence = app::licence();
    expect(utf8(caption) == app::kAboutCaption && said.find("版本 " ROPECALC_VERSION) != std::string::npos
            && said.find(licence.substr(0, licence.find('\n'))) != std::string::npos,
        "the About box: its caption, the version and the licence");
    if (said.find("版本 " ROPECALC_VERSION) == std::string::npos)
        std::printf("  it says \"%s\"\n", said.c_str());
    press(VK_RETURN);
    expect(eventually([&] { return c.messageBox() == nullptr; }), "Enter closes it");
    expect(calculatorShows(c) == before, "and the calculator shows what it showed before");
}

// At the screen's DPI: the window opens at it, and its boxes, buttons and the list stand where the
// twips put them, and the columns are as wide.
void layout(HWND selection, int dpi)
{
    expect(int(GetDpiForWindow(selection)) == dpi, "the selection window has the screen's DPI");
    bool placed = true;
    for (const app::SelectionSpec &row : app::kSelectionControls) {
        if (row.piece != app::Piece::Box && row.piece != app::Piece::Button && row.piece != app::Piece::Table)
            continue;
        RECT rect {};
        GetWindowRect(controlIn(selection, row.control), &rect);
        MapWindowPoints(nullptr, selection, reinterpret_cast<POINT *>(&rect), 2);
        placed = placed && rect.left == app::pixels(row.left, dpi) && rect.top == app::pixels(row.top, dpi)
            && rect.right - rect.left == app::pixels(row.width, dpi)
            && rect.bottom - rect.top == app::pixels(row.height, dpi);
    }
    expect(placed, "every box, button and the list in its place and size");
    HWND list = controlIn(selection, app::kRopeList);
    bool wide = true;
    for (std::size_t column = 0; column < app::listing::kColumnCount; ++column)
        wide = wide
            && SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)
                == app::pixels(app::kColumnWidths.at(column), dpi);
    expect(wide, "every column as wide as its twips");
}

HWND sheetOf(const Calculator &c)
{
    return shownOf(c, L"ropecalc.Sheet");
}

// The context menu opened on a label: whether the item's line is drawn grey, with no ink of an
// enabled item's text, as the screen shows it.
bool grayedInMenu(const Calculator &c, app::Command command)
{
    click(c.item(app::label(16)));
    rightClickAt(middleOf(c.item(app::label(16))));
    eventually(menuOpen);
    Sleep(200); // drawn
    RECT menu {};
    GetWindowRect(openMenu(), &menu);
    const int line = (menu.bottom - menu.top) / int(app::kMenuItems.size());
    const auto k = int(&app::menuItem(command) - app::kMenuItems.data());
    const RECT band { menu.left + 4, menu.top + k * line + 4, menu.right - 4, menu.top + (k + 1) * line - 2 };
    const int width = band.right - band.left;
    const int height = band.bottom - band.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, band.left, band.top, SRCCOPY);
    int grey = 0;
    int ink = 0;
    const auto *pixel = static_cast<const std::uint32_t *>(bits);
    const auto rgbOf = [](COLORREF colour) {
        return std::uint32_t(GetRValue(colour)) << 16 | std::uint32_t(GetGValue(colour)) << 8
            | GetBValue(colour);
    };
    for (int n = 0; bits != nullptr && n < width * height; ++n) {
        grey += (pixel[n] & 0xFFFFFF) == rgbOf(GetSysColor(COLOR_GRAYTEXT)) ? 1 : 0;
        ink += (pixel[n] & 0xFFFFFF) == rgbOf(GetSysColor(COLOR_MENUTEXT)) ? 1 : 0;
    }
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    press(VK_ESCAPE);
    eventually([] { return !menuOpen(); });
    return grey > 0 && ink == 0;
}

// The page's text holds the verdict of the document: its paragraph that says whether the rope will do.
bool showsVerdict(HWND sheet, const app::sheet::Document &document)
{
    const auto verdict = std::ranges::find_if(document.blocks, [](const app::sheet::Block &block) {
        return block.text.find("于要求的安全系数") != std::string::npos;
    });
    const std::string text = Calculator::textOf(GetDlgItem(sheet, int(app::sheet::SheetControl::Page)));
    return verdict != document.blocks.end() && text.find(verdict->text) != std::string::npos;
}

std::string fileText(const std::wstring &name)
{
    std::ifstream file(name.c_str(), std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

// 保存… in the preview, the name typed whole into the system's save dialog and Enter.
void saveAs(HWND sheet, const std::wstring &name)
{
    click(GetDlgItem(sheet, int(app::sheet::SheetControl::SaveButton)));
    HWND dialog = nullptr;
    eventually([&] {
        dialog = nullptr;
        while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr)
            if (GetWindow(dialog, GW_OWNER) == sheet && IsWindowVisible(dialog) != FALSE)
                return true;
        return false;
    });
    Sleep(300); // the dialog's folder listed, the name field focused
    press(VK_END);
    press(VK_HOME, VK_SHIFT);
    type(utf8(name));
    press(VK_RETURN);
    eventually([&] { return IsWindow(dialog) == FALSE || IsWindowVisible(dialog) == FALSE; });
}

// The calculation sheet: 计算书… grey in the context menu, and Ctrl+P idle, while no frame shows a
// result; after the 9.945 job of 6×19＋1 155 φ20.0, the menu's item shows its sheet in the
// preview, whose 保存… writes the very RTF and HTML bytes of the sheet, adds .rtf to a bare name,
// and tells a folder that is not there and leaves no file; the selection window's 计算书… shows a
// listed row's sheet.
// For the picture (`picture`), only up to the preview opened.
void sheet(const Calculator &c, bool picture)
{
    expect(grayedInMenu(c, app::Command::Sheet), "before any result the context menu's 计算书… is grey");
    click(c.item(app::label(16)));
    press('P', VK_CONTROL);
    settle();
    expect(sheetOf(c) == nullptr, "and Ctrl+P opens nothing");

    trial::Calculator model;
    app::Form1 &w = model.form();
    click(c.item(app::option(1)));
    click(c.item(app::option(6)));
    HWND ropes = c.item(app::combo(1));
    click(ropes, 8); // the arrow
    clickItem(ropes, 9);
    click(c.item(app::text(5)));
    type("2000");
    HWND purposes = c.item(app::combo(5));
    click(purposes, 8);
    clickItem(purposes, 2);
    click(c.item(app::command(1)));
    for (const int option : { 1, 6 })
        w.select(app::option(option));
    w.pick(app::combo(1), 9);
    w.type(app::text(5), "2000");
    w.pick(app::combo(5), 2);
    w.press(app::command(1));
    expect(
        eventually([&] { return c.text(app::text(6)) == "9.945"; }) && w.state(app::text(6)).text == "9.945",
        "6×19＋1 155 φ20.0 at 2000 kgf for 井架提升6: 9.945");
    const std::optional<app::sheet::Document> expected
        = app::sheet::lastCalculationSheet(w, winview::today());
    if (!expected) {
        expect(false, "the model has a sheet");
        return;
    }

    expect(!grayedInMenu(c, app::Command::Sheet), "with the result shown 计算书… is not grey");
    click(c.item(app::label(16)));
    rightClickAt(middleOf(c.item(app::label(16))));
    eventually(menuOpen);
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);
    HWND sheet = nullptr;
    expect(
        eventually([&] { return (sheet = sheetOf(c)) != nullptr; }), "the menu's 计算书… opens the preview");
    if (sheet == nullptr)
        return;
    wchar_t caption[32] {};
    GetWindowTextW(sheet, caption, 32);
    expect(utf8(caption) == app::sheet::kSheetCaption && GetWindow(sheet, GW_OWNER) == c.window()
            && showsVerdict(sheet, *expected)
            && Calculator::textOf(GetDlgItem(sheet, int(app::sheet::SheetControl::Page)))
                    .find("实际安全系数 9.945 大于要求的安全系数 6，所选钢丝绳满足要求")
                != std::string::npos,
        "titled 计算书, owned by the calculator, its page says 9.945 is more than 6 and the rope will do");
    if (picture)
        return;

    wchar_t temporary[MAX_PATH] {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder
        = std::wstring(temporary) + L"ropecalc-sheet-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring rtf = folder + L"\\sheet.rtf";
    saveAs(sheet, rtf);
    const std::string rtfBytes = app::sheet::fileBytes(*expected, app::sheet::FileFormat::Rtf);
    expect(
        eventually([&] { return fileText(rtf) == rtfBytes; }), "保存… as sheet.rtf writes the sheet's RTF");
    const std::wstring html = folder + L"\\sheet.html";
    saveAs(sheet, html);
    expect(eventually([&] {
        return fileText(html) == app::sheet::fileBytes(*expected, app::sheet::FileFormat::Html);
    }),
        "as sheet.html its HTML");
    saveAs(sheet, folder + L"\\bare");
    expect(eventually([&] { return fileText(folder + L"\\bare.rtf") == rtfBytes; }),
        "a bare name gets .rtf and the RTF");
    const std::wstring nowhere = folder + L"\\missing\\sheet.rtf";
    saveAs(sheet, nowhere);
    HWND box = nullptr;
    const bool told = eventually([&] {
        box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr)
            if (GetWindow(box, GW_OWNER) == sheet && IsWindowVisible(box) != FALSE)
                return true;
        return false;
    });
    const std::string said = told ? messageOf(box) : std::string();
    expect(told && said.find("未能保存") != std::string::npos
            && GetFileAttributesW(nowhere.c_str()) == INVALID_FILE_ATTRIBUTES,
        "into a folder that is not there: a message box says it was not saved, and no file");
    if (!said.empty())
        std::printf("  it says \"%s\"\n", said.c_str());
    if (told)
        press(VK_RETURN);
    // Another job's sheet, saved both ways.
    const auto savedBoth = [&](const app::sheet::Document &document, const std::wstring &name) {
        const std::wstring asRtf = folder + L"\\" + name + L".rtf";
        const std::wstring asHtml = folder + L"\\" + name + L".html";
        saveAs(sheet, asRtf);
        const bool rtfSaved = eventually(
            [&] { return fileText(asRtf) == app::sheet::fileBytes(document, app::sheet::FileFormat::Rtf); });
        saveAs(sheet, asHtml);
        const bool htmlSaved = eventually([&] {
            return fileText(asHtml) == app::sheet::fileBytes(document, app::sheet::FileFormat::Html);
        });
        DeleteFileW(asRtf.c_str());
        DeleteFileW(asHtml.c_str());
        return rtfSaved && htmlSaved;
    };
    for (const std::wstring &made : { rtf, html, folder + L"\\bare.rtf" })
        DeleteFileW(made.c_str());
    press(VK_ESCAPE);
    expect(eventually([&] { return sheetOf(c) == nullptr; }), "Esc hides the preview");
    click(c.item(app::label(16)));
    press('P', VK_CONTROL);
    expect(eventually([&] { return sheetOf(c) == sheet; }), "Ctrl+P in the calculator shows it again");
    press(VK_ESCAPE);
    eventually([&] { return sheetOf(c) == nullptr; });
    systemMenuItem(c, app::Command::Sheet);
    expect(eventually([&] { return sheetOf(c) == sheet; }), "and so does the system menu's 计算书…");
    press(VK_ESCAPE);
    eventually([&] { return sheetOf(c) == nullptr; });

    // The standard method's too weak rope: 6×19＋1 fibre core 1570 φ6 at 500 kgf, 3.53.
    for (const int option : { 10, 19, 15 }) {
        click(c.item(app::option(option)));
        w.select(app::option(option));
    }
    HWND standardRopes = c.item(app::combo(6));
    click(standardRopes, 8);
    clickItem(standardRopes, 3);
    click(c.item(app::text(12)));
    type("500");
    HWND standardPurposes = c.item(app::combo(10));
    click(standardPurposes, 8);
    clickItem(standardPurposes, 2);
    click(c.item(app::command(2)));
    w.pick(app::combo(6), 3);
    w.type(app::text(12), "500");
    w.pick(app::combo(10), 2);
    w.press(app::command(2));
    const std::optional<app::sheet::Document> tooWeak = app::sheet::lastCalculationSheet(w, winview::today());
    expect(eventually([&] { return c.text(app::text(13)) == "重选钢丝绳"; }) && tooWeak,
        "6×19＋1 1570 φ6 at 500 kgf: 重选钢丝绳");
    click(c.item(app::label(16)));
    press('P', VK_CONTROL);
    expect(eventually([&] { return sheetOf(c) == sheet; }) && tooWeak && showsVerdict(sheet, *tooWeak)
            && Calculator::textOf(GetDlgItem(sheet, int(app::sheet::SheetControl::Page)))
                    .find("实际安全系数 3.53 不大于要求的安全系数 6，重选钢丝绳")
                != std::string::npos,
        "Ctrl+P shows its sheet: 3.53 is not more than 6");
    if (tooWeak)
        expect(savedBoth(*tooWeak, L"b"), "保存… writes its RTF and its HTML");
    press(VK_ESCAPE);
    eventually([&] { return sheetOf(c) == nullptr; });

    HWND selection = openBySystemMenu(c);
    app::Selection listing;
    typeJob(selection, listing);
    sameAsModel(selection, listing, "2000 kgf, 600 m, 井架提升6 listed");
    const auto &rows = listing.rows();
    const auto found = std::ranges::find_if(rows, [](const app::listing::Listed &row) {
        return row.rope.method == Method::Traditional && row.rope.ropeClass == 0
            && row.cells.at(std::size_t(Column::Grade)).starts_with("155")
            && row.cells.at(std::size_t(Column::Diameter)) == "φ20.0";
    });
    if (found == rows.end()) {
        expect(false, "the job lists 6×19＋1 155 φ20.0");
        return;
    }
    clickFirstRow(selection);
    for (auto down = found - rows.begin(); down > 0; --down)
        press(VK_DOWN);
    HWND list = controlIn(selection, app::kRopeList);
    HWND button = controlIn(selection, app::kSheetButton);
    expect(eventually([&] { return currentRow(list) == int(found - rows.begin()); })
            && IsWindowEnabled(button) != FALSE
            && found->cells.at(std::size_t(Column::Factor)).starts_with("6.96"),
        "its φ20.0 155 row current, at 6.96, and 计算书… enabled");
    click(button);
    const std::optional<app::sheet::Document> listed
        = app::sheet::selectionSheet(listing.job(), *found, winview::today());
    expect(eventually([&] { return sheetOf(c) == sheet; }) && listed && showsVerdict(sheet, *listed)
            && Calculator::textOf(GetDlgItem(sheet, int(app::sheet::SheetControl::Page)))
                    .find("实际安全系数 6.96")
                != std::string::npos,
        "计算书… shows that row's sheet, 6.96, in the same preview");
    if (listed)
        expect(savedBoth(*listed, L"c"), "保存… writes the row's sheet as RTF and HTML");
    RemoveDirectoryW(folder.c_str());
    press(VK_ESCAPE);
    retype(controlIn(selection, app::kLoadBox), "");
    press(VK_DELETE);
    expect(eventually([&] { return IsWindowEnabled(button) == FALSE; }),
        "with nothing listed 计算书… is disabled");
}

// Tells the picture script the window is set up (a failure above has said FAIL), and waits until
// the picture is taken and the program ended.
int readyForPicture(const Calculator &c)
{
    std::printf("ready\n");
    std::fflush(stdout);
    while (IsWindow(c.window()) != FALSE)
        Sleep(100);
    return failures == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 && argc != 3) {
        std::printf("usage: drive_selection ropecalc.exe [picture | guide | sheet | sheet-picture | dpi]\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const Calculator calculator(windowsPath(argv[1]));
    expect(calculator.window() != nullptr, "the calculator opens");
    if (calculator.window() == nullptr)
        return 1;
    app::Selection model;
    if (argc == 3 && std::wstring_view(argv[2]) == L"picture") {
        // The picture: the inclined worked example typed, the list focused on its first row, which
        // is current already.
        HWND selection = openBySystemMenu(calculator);
        chooseWay(selection, model, app::listing::Way::Inclined);
        typeInclinedJob(selection, model);
        clickFirstRow(selection);
        inViewAsModel(selection, model, "the picture's job");
        return readyForPicture(calculator);
    }
    if (argc == 3 && std::wstring_view(argv[2]) == L"sheet-picture") {
        sheet(calculator, true);
        return readyForPicture(calculator);
    }
    if (argc == 3 && std::wstring_view(argv[2]) == L"sheet") {
        sheet(calculator, false);
        PostMessageW(calculator.window(), WM_CLOSE, 0, 0);
        expect(calculator.exitCode() == 0, "the program ends");
        std::printf("%d passed, %d failed\n", passes, failures);
        return failures == 0 ? 0 : 1;
    }
    if (argc == 3 && std::wstring_view(argv[2]) == L"guide") {
        // The guide's picture: opened by F1 from the calculator, at its top.
        click(calculator.item(app::label(16)));
        press(VK_F1);
        expect(eventually([&] { return guideOf(calculator) != nullptr; }), "F1 opens the guide");
        return readyForPicture(calculator);
    }
    if (argc == 3) {
        // At another DPI: only the window's shape.
        HWND selection = openBySystemMenu(calculator);
        expect(selection != nullptr, "the system menu opens the selection window");
        if (selection != nullptr) {
            startState(calculator, selection, model);
            layout(selection, _wtoi(argv[2]));
            PostMessageW(selection, WM_CLOSE, 0, 0); // off the calculator's boxes
            guideByF1(calculator, _wtoi(argv[2]));
        }
        std::printf("%d passed, %d failed\n", passes, failures);
        return failures == 0 ? 0 : 1;
    }
    opening(calculator);
    HWND selection = selectionOf(calculator);
    if (selection == nullptr) {
        std::printf("%d passed, %d failed\n", passes, failures + 1);
        return 1;
    }
    startState(calculator, selection, model);
    layout(selection, 96);
    besideCalculator(calculator, selection);
    tabOrder(calculator, selection);
    typeJob(selection, model);
    sameAsModel(selection, model, "2000 kgf, 600 m, 井架提升6: the model's first row and status line");
    workByArrows(selection, model);
    sortByHeader(selection, model);
    takeOver(calculator, selection, model);
    doubleClick(calculator, selection, model);
    inclined(calculator, selection, model);
    help(calculator, selection);
    PostMessageW(calculator.window(), WM_CLOSE, 0, 0);
    expect(calculator.exitCode() == 0, "closing the calculator closes both windows and ends the program");
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
