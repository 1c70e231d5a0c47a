#include "app/win32/window.h"

#include "app/calculator/presentation.h"
#include "app/sheet/sheet_window.h"
#include "app/win32/control_ids.h"
#include "app/win32/dialog_font.h"
#include "app/win32/guide_window.h"
#include "app/win32/selection_window.h"
#include "app/win32/sheet_window.h"
#include "app/win32/system.h"
#include "app/win32/win_text.h"

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <string>
#include <utility>
#include <windowsx.h>

namespace winview {

using app::Kind;
using app::Ref;

namespace {

constexpr const wchar_t *kClassName = L"ropecalc.Form1";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; // fixed border, close box only
constexpr DWORD kWindowExStyle = 0;
constexpr int kListLines = 10; // items a dropped-down list shows at once
// Posted at start, to name the controls for screen readers and add the system menu's items.
constexpr UINT kNameControls = WM_APP;

// The order the controls are made in, which is their z-order: the controls that take the focus
// in tab order, so that Tab follows the design's tab indexes; each label right before the first
// control it names, where a screen reader looks for an input's name; then the frames, under
// their contents.
std::vector<const app::ControlSpec *> creationOrder()
{
    std::vector<const app::ControlSpec *> order;
    const auto placed
        = [&order](const app::ControlSpec *row) { return std::ranges::find(order, row) != order.end(); };
    for (const app::ControlSpec *row : app::kTabOrder) {
        const Ref ref { row->kind, row->number };
        const auto *const naming = std::ranges::find(app::kNamedBy, ref, &app::NamedBy::control);
        if (naming != app::kNamedBy.end() && naming->by.kind == Kind::Label
            && !placed(app::specOf(naming->by)))
            order.push_back(app::specOf(naming->by));
        order.push_back(row);
    }
    for (Kind last : { Kind::Label, Kind::Frame })
        for (const app::ControlSpec &row : app::kControls)
            if (row.kind == last && !placed(&row))
                order.push_back(&row);
    return order;
}

void enable(HWND control, bool enabled)
{
    EnableWindow(control, enabled ? TRUE : FALSE);
}

// The items of the context menu and the system menu; F1 opens the guide from anywhere as well,
// and Ctrl+P the calculation sheet from the calculator window.
void appendMenuItems(HMENU menu, bool sheet)
{
    for (const app::MenuItem &item : app::kMenuItems) {
        const wchar_t *shortcut = item.command == app::Command::Guide ? L"\tF1"
            : item.command == app::Command::Sheet                     ? L"\tCtrl+P"
                                                                      : L"";
        const UINT grayed = item.command == app::Command::Sheet && !sheet ? MF_GRAYED : 0;
        AppendMenuW(menu, MF_STRING | grayed, item.id, (wide(item.caption) + shortcut).c_str());
    }
}

std::optional<app::Command> commandOf(UINT id)
{
    const auto *const found = std::ranges::find(app::kMenuItems, id, &app::MenuItem::id);
    return found == app::kMenuItems.end() ? std::nullopt : std::optional(found->command);
}

// The window's client area is the design's at a DPI, and its frame whatever that takes.
SIZE windowSize(UINT dpi)
{
    return frameSize(app::kClientWidth, app::kClientHeight, kWindowStyle, kWindowExStyle, dpi);
}

} // namespace

// A dialog's class, whose default procedure (DefDlgProcW) moves the focus on Tab, gives it back
// when the window is activated again, and presses the focused button on Enter. Closing it ends
// the program.
Window::Window(HINSTANCE instance)
    : OwnedWindow({ .dialog = true, .resizable = false, .hides = false })
    , m_form(*this)
    , m_instance(instance)
{
    try {
        // An owned window gets no taskbar button of its own; its owner is never shown.
        m_owner = checked(
            CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr),
            "CreateWindowExW");
        // Made in its size at the system's DPI, and resized only on a monitor of another.
        create(instance, kClassName, app::kWindowCaption, kWindowStyle, kWindowExStyle,
            windowSize(GetDpiForSystem()), m_owner);
        m_dpi = GetDpiForWindow(m_window);
        DeleteObject(makeFont());
        buildControls(instance);
        if (m_dpi != GetDpiForSystem())
            fitWindow();
    } catch (...) {
        // Half a window must not take messages for a Window that was never made.
        abandon();
        if (m_owner != nullptr)
            DestroyWindow(m_owner);
        DeleteObject(m_font);
        throw;
    }
    // Loading the annotation service takes longer than showing the window: it comes once the
    // window is up.
    PostMessageW(m_window, kNameControls, 0, 0);
}

Window::~Window()
{
    m_sheet.reset();
    m_guide.reset();
    m_selection.reset();
    destroy();
    DestroyWindow(m_owner);
    DeleteObject(m_font);
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
}

HWND Window::control(Ref ref) const
{
    return ref.number == 0 && ref.kind == Kind::Frame
        ? m_window
        : m_controls.at(std::size_t(ref.kind)).at(std::size_t(ref.number));
}

void Window::buildControls(HINSTANCE instance)
{
    for (std::size_t kind = 0; kind < app::kKindCount; ++kind)
        m_controls.at(kind).resize(std::size_t(app::highestNumber(Kind(kind))) + 1);
    m_listItems.assign(m_controls.at(std::size_t(Kind::Combo)).size(), -1);
    for (const app::ControlSpec *row : creationOrder()) {
        const wchar_t *className = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (row->kind) {
        case Kind::Frame:
            style |= BS_GROUPBOX;
            break;
        case Kind::Label:
            className = L"STATIC";
            style |= SS_NOPREFIX | (row->style == app::Style::Centred ? SS_CENTER : SS_LEFT);
            break;
        case Kind::Option:
            // Not an auto button: the model decides what is selected, and the view shows it.
            style |= BS_RADIOBUTTON;
            break;
        case Kind::Combo:
            className = L"COMBOBOX";
            style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
            break;
        case Kind::Text:
            className = L"EDIT";
            style |= ES_AUTOHSCROLL | (row->style == app::Style::ReadOnly ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Kind::Command:
            style |= BS_PUSHBUTTON;
            break;
        }
        // Every control that takes the focus is a tab stop and a group of its own: the dialog
        // manager's groups run in z-order, which is the tab order, and the tab indexes interleave
        // the option frames (Option18 comes between Option19 and Option20). So the arrow keys move
        // within a frame by the control table instead (translate).
        if (app::takesFocus(row->kind))
            style |= WS_TABSTOP | WS_GROUP;
        const Ref ref { row->kind, row->number };
        // Made in its place and size: moving 95 controls afterwards would cost the start.
        const RECT place = placeOf(*row);
        HWND made = checked(CreateWindowExW(exStyle, className, wide(row->caption).c_str(), style, place.left,
                                place.top, place.right - place.left, place.bottom - place.top, m_window,
                                reinterpret_cast<HMENU>(INT_PTR(controlId(ref))), instance, nullptr),
            "CreateWindowExW");
        m_controls.at(std::size_t(row->kind)).at(std::size_t(row->number)) = made;
        fitFont(made);
        if (row->kind == Kind::Option)
            checked(SetWindowSubclass(made, optionProc, 0, reinterpret_cast<DWORD_PTR>(this)),
                "SetWindowSubclass");
        if (row->kind == Kind::Combo)
            for (std::string_view item : m_form.items(app::combo(row->number)))
                SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    }
}

// What a screen reader announces for each control without a caption of its own. Where the
// system offers no annotation service, the labels before the inputs still name them.
void Window::nameControls()
{
    m_names = std::make_unique<ControlNames>();
    for (const app::NamedBy &row : app::kNamedBy)
        m_names->name(control(row.control), app::accessibleName(row));
}

// The dialog font at the window's DPI, and the height of one of its lines; the font it replaces.
HFONT Window::makeFont()
{
    HFONT font = checked(createDialogFont(m_dpi), "CreateFontW");
    m_lineHeight = lineHeightOf(m_window, font);
    return std::exchange(m_font, font);
}

// Where a control goes, in pixels of the client area at the window's DPI.
RECT Window::placeOf(const app::ControlSpec &row) const
{
    const app::TwipsPoint origin = app::originOf(row.parent);
    const int left = app::pixels(origin.x + row.left, int(m_dpi));
    app::VerticalExtent extent { app::pixels(origin.y + row.top, int(m_dpi)),
        app::pixels(row.height, int(m_dpi)) };
    if (row.kind == Kind::Label)
        extent = app::grownLabel(extent.top, extent.height, m_lineHeight);
    if (row.kind == Kind::Combo)
        extent.height += kListLines * m_lineHeight; // the height of a combo box includes its list
    return { left, extent.top, left + app::pixels(row.width, int(m_dpi)), extent.top + extent.height };
}

void Window::fitFont(HWND made)
{
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
}

void Window::fitWindow()
{
    const SIZE size = windowSize(m_dpi);
    SetWindowPos(m_window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// On a monitor of another DPI the window is laid out anew, so that it keeps its shape and its
// text stays sharp.
void Window::changeDpi(UINT dpi)
{
    m_dpi = dpi;
    HFONT previous = makeFont();
    HDWP moves = BeginDeferWindowPos(int(app::kControls.size()));
    for (const app::ControlSpec &row : app::kControls) {
        HWND made = control(Ref { row.kind, row.number });
        fitFont(made);
        const RECT place = placeOf(row);
        if (moves != nullptr)
            moves = DeferWindowPos(moves, made, nullptr, place.left, place.top, place.right - place.left,
                place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves != nullptr)
        EndDeferWindowPos(moves);
    DeleteObject(previous);
    fitWindow();
    InvalidateRect(m_window, nullptr, TRUE);
}

// A radio button that takes the focus by Tab tells its parent it was clicked; here only a click,
// Space or an arrow key selects, as in the other front end.
LRESULT CALLBACK Window::optionProc(
    HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR window)
{
    Window &self = *reinterpret_cast<Window *>(window);
    switch (message) {
    case WM_SETFOCUS:
        return self.guarded(button, DefSubclassProc, [&] {
            self.m_focusing = true;
            const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
            self.m_focusing = false;
            return result;
        });
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, optionProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

LRESULT Window::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = boxColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_CONTEXTMENU:
        contextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_SYSCOMMAND:
        // The low four bits of a system command are the system's own.
        if (const std::optional<app::Command> chosen = commandOf(UINT(wParam & 0xFFF0))) {
            perform(*chosen);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // The window opens with no control focused; the dialog procedure would focus the first.
        return 0;
    case kNameControls: {
        nameControls();
        // The system menu's items are added once the window is up as well, so that the window
        // shows without waiting for the copy of the system menu it makes.
        HMENU system = GetSystemMenu(m_window, FALSE);
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        appendMenuItems(system, false);
        return 0;
    }
    case WM_INITMENUPOPUP:
        // The system menu offers the calculation sheet only while there is one to show.
        if (HIWORD(lParam) != 0)
            EnableMenuItem(reinterpret_cast<HMENU>(wParam), app::menuItem(app::Command::Sheet).id,
                MF_BYCOMMAND | (calculationSheet() ? MF_ENABLED : MF_GRAYED));
        break;
    case WM_DESTROY:
        if (m_names != nullptr)
            for (const app::NamedBy &row : app::kNamedBy)
                m_names->clear(control(row.control));
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return defaultProcedure(window, message, wParam, lParam);
}

// The user's input, and nothing else, reaches the window's model:
// - selecting an option button: BN_CLICKED from a click or Space, and the arrow keys within a
//   frame (translate); a click on the selected button selects nothing new;
// - picking a list item: CBN_SELENDOK, when the user picks by mouse or Enter, or CBN_SELCHANGE
//   with the list closed, from the arrow keys; not CBN_SELCHANGE while the arrow keys go
//   through the open list;
// - typing: EN_CHANGE of a box and CBN_EDITCHANGE of a list's field;
// - pressing a button: BN_CLICKED, from a click, Space, or Enter while it has the focus.
// The model's own writes raise the same notifications; they come while a Writing is under way and
// are no input. The control is shown again from the model afterwards, in case it took no input; a
// list opened and closed without a pick (CBN_SELENDCANCEL) goes back to how it was opened.
void Window::command(int id, int code)
{
    if (m_writing != 0)
        return;
    const std::optional<Ref> ref = controlOf(id);
    if (!ref)
        return;
    const int n = ref->number;
    switch (ref->kind) {
    case Kind::Option:
        if (code == BN_CLICKED && !m_focusing) {
            m_form.select(app::option(n));
            for (int other = 1; other < int(m_controls.at(std::size_t(Kind::Option)).size()); ++other)
                showOption(other);
        }
        return;
    case Kind::Combo:
        listCommand(n, code);
        return;
    case Kind::Text:
        if (code == EN_CHANGE) {
            m_form.type(app::text(n), utf8(textOf(control(*ref))));
            showBox(n);
        }
        return;
    case Kind::Command:
        if (code == BN_CLICKED)
            m_form.press(app::command(n));
        return;
    default:
        return;
    }
}

void Window::listCommand(int n, int code)
{
    HWND list = control(app::combo(n));
    switch (code) {
    case CBN_DROPDOWN:
        m_dropped.open(list);
        return;
    case CBN_SELENDOK:
        m_dropped.pick();
        m_form.pick(app::combo(n), int(SendMessageW(list, CB_GETCURSEL, 0, 0)));
        break;
    case CBN_SELCHANGE:
        if (SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0)
            return;
        m_form.pick(app::combo(n), int(SendMessageW(list, CB_GETCURSEL, 0, 0)));
        break;
    case CBN_EDITCHANGE:
        m_form.type(app::combo(n), utf8(textOf(list)));
        break;
    case CBN_SELENDCANCEL:
        m_dropped.restore(list, m_writing);
        break;
    default:
        return;
    }
    showList(n);
}

bool Window::translate(MSG &message)
{
    // F1 opens the guide from whichever window and control has the focus, and reaches no control.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        openGuide();
        return true;
    }
    // Ctrl+P in the calculator window opens the calculation sheet, when there is one.
    if (message.message == WM_KEYDOWN && message.wParam == 'P' && GetKeyState(VK_CONTROL) < 0
        && (message.hwnd == m_window || IsChild(m_window, message.hwnd) != FALSE)) {
        perform(app::Command::Sheet);
        return true;
    }
    if (m_guide != nullptr && m_guide->translate(message))
        return true;
    if (m_sheet != nullptr && m_sheet->translate(message))
        return true;
    if (m_selection != nullptr && m_selection->translate(message))
        return true;
    if (message.message == WM_KEYDOWN && moveWithinGroup(message.hwnd, message.wParam))
        return true;
    return IsDialogMessageW(m_window, &message) != FALSE;
}

// The menu of the window, its frames and labels, and of a button or an option button by Shift+F10
// or the Menu key. Boxes and lists show their own editing menu; a click on a disabled one comes
// to the window, which shows none there either.
void Window::contextMenu(HWND clicked, LPARAM where)
{
    POINT at { GET_X_LPARAM(where), GET_Y_LPARAM(where) };
    if (where == -1) {
        // From the keyboard: under the focused control.
        RECT rect {};
        GetWindowRect(GetFocus() != nullptr ? GetFocus() : m_window, &rect);
        at = { rect.left, rect.bottom };
    } else if (clicked == m_window) {
        POINT client = at;
        ScreenToClient(m_window, &client);
        clicked = ChildWindowFromPointEx(m_window, client, CWP_SKIPINVISIBLE);
    }
    const std::optional<Ref> ref = controlOf(GetDlgCtrlID(clicked));
    if (clicked != m_window && ref && (ref->kind == Kind::Text || ref->kind == Kind::Combo))
        return;
    HMENU menu = checked(CreatePopupMenu(), "CreatePopupMenu");
    appendMenuItems(menu, calculationSheet().has_value());
    const UINT chosen = UINT(TrackPopupMenu(menu,
        TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (const std::optional<app::Command> command = commandOf(chosen))
        perform(*command);
}

void Window::perform(app::Command command)
{
    switch (command) {
    case app::Command::SelectRopes:
        openSelection();
        return;
    case app::Command::Sheet:
        if (std::optional<app::sheet::Document> sheet = calculationSheet())
            openSheet(std::move(*sheet));
        return;
    case app::Command::Guide:
        openGuide();
        return;
    case app::Command::About:
        // The system's message box, which disables the window while it is open: no input
        // reaches the model meanwhile.
        MessageBoxW(m_window, wide(app::aboutText()).c_str(), wide(app::kAboutCaption).c_str(), MB_OK);
        return;
    }
}

// Made when first asked for, so that the calculator starts as before; shown as it was left.
void Window::openSelection()
{
    if (m_selection == nullptr)
        m_selection = std::make_unique<SelectionWindow>(m_instance, m_window, m_form,
            [this](app::sheet::Document sheet) { openSheet(std::move(sheet)); });
    m_selection->open();
}

// The sheet of the frame the last accepted press calculated, dated today; none while that frame
// shows no result.
std::optional<app::sheet::Document> Window::calculationSheet() const
{
    return app::sheet::lastCalculationSheet(m_form, today());
}

// Made when first asked for; shown with the sheet in its page, where it was left.
void Window::openSheet(app::sheet::Document sheet)
{
    if (m_sheet == nullptr)
        m_sheet = std::make_unique<SheetWindow>(m_instance, m_window);
    m_sheet->open(std::move(sheet));
}

// Made when first asked for, with the whole guide in it; shown as it was left.
void Window::openGuide()
{
    if (m_guide == nullptr)
        m_guide = std::make_unique<GuideWindow>(m_instance, m_window);
    m_guide->open();
}

// The arrow keys on an option button select the next enabled button of its frame, round.
bool Window::moveWithinGroup(HWND focused, WPARAM key)
{
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN)
        return false;
    const std::vector<HWND> &options = m_controls.at(std::size_t(Kind::Option));
    const auto found = std::ranges::find(options, focused);
    if (focused == nullptr || found == options.end())
        return false;
    const std::vector<int> group = app::optionGroup(int(found - options.begin()));
    const auto at = std::size_t(std::ranges::find(group, int(found - options.begin())) - group.begin());
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    for (std::size_t step = 1; step < group.size(); ++step) {
        const int next = group.at((at + (forward ? step : group.size() - step)) % group.size());
        if (IsWindowEnabled(control(app::option(next))) != FALSE) {
            SetFocus(control(app::option(next)));
            m_form.select(app::option(next));
            for (int other : group)
                showOption(other);
            break;
        }
    }
    return true;
}

// A result box in the colour the model gave it; a read-out white like the other boxes, though
// the system would draw a read-only box grey.
HBRUSH Window::boxColour(HWND box, HDC dc)
{
    const std::vector<HWND> &texts = m_controls.at(std::size_t(Kind::Text));
    const auto found = std::ranges::find(texts, box);
    if (box == nullptr || found == texts.end() || IsWindowEnabled(box) == FALSE)
        return nullptr;
    const app::ControlState &state = m_form.state(app::text(int(found - texts.begin())));
    if (state.background) {
        const common::Rgb colour = *state.background;
        HBRUSH &brush = m_brushes[{ colour.red, colour.green, colour.blue }];
        if (brush == nullptr)
            brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
        SetBkColor(dc, RGB(colour.red, colour.green, colour.blue));
        return brush;
    }
    if ((GetWindowLongW(box, GWL_STYLE) & ES_READONLY) == 0)
        return nullptr;
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void Window::stateChanged(Ref changed)
{
    switch (changed.kind) {
    case Kind::Option:
        showOption(changed.number);
        return;
    case Kind::Combo:
        showList(changed.number);
        return;
    case Kind::Text:
        showBox(changed.number);
        return;
    default:
        enable(control(changed), m_form.state(changed).enabled);
        return;
    }
}

void Window::showOption(int n)
{
    const app::ControlState &state = m_form.state(app::option(n));
    HWND button = control(app::option(n));
    const Writing writing(m_writing);
    enable(button, state.enabled);
    const WPARAM check = state.checked ? BST_CHECKED : BST_UNCHECKED;
    if (WPARAM(SendMessageW(button, BM_GETCHECK, 0, 0)) != check)
        SendMessageW(button, BM_SETCHECK, check, 0);
}

// The system deselects a list's item as the user types in its field, while the model keeps it
// for the next pick; selecting it again would rewrite the field under the caret. So the item is
// written only when the model's own item changes, and the text only where it differs.
void Window::showList(int n)
{
    const app::ControlState &state = m_form.state(app::combo(n));
    HWND list = control(app::combo(n));
    const Writing writing(m_writing);
    enable(list, state.enabled);
    if (int &shown = m_listItems.at(std::size_t(n)); shown != state.item) {
        shown = state.item;
        if (SendMessageW(list, CB_GETCURSEL, 0, 0) != state.item)
            SendMessageW(list, CB_SETCURSEL, WPARAM(state.item), 0);
    }
    if (const std::wstring text = wide(state.text); textOf(list) != text)
        SetWindowTextW(list, text.c_str());
}

void Window::showBox(int n)
{
    const app::ControlState &state = m_form.state(app::text(n));
    HWND box = control(app::text(n));
    const Writing writing(m_writing);
    enable(box, state.enabled);
    if (const std::wstring text = wide(state.text); textOf(box) != text)
        SetWindowTextW(box, text.c_str());
    InvalidateRect(box, nullptr, TRUE);
}

// MessageBoxW disables the window while it is open, so no input reaches the model meanwhile.
void Window::showMessage(std::string_view text)
{
    MessageBoxW(m_window, wide(text).c_str(), wide(app::kWindowCaption).c_str(), MB_OK);
}

} // namespace winview
