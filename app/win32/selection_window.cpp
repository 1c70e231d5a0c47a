#include "app/win32/selection_window.h"

#include "app/calculator/presentation.h"
#include "app/win32/dialog_font.h"
#include "app/win32/sheet_window.h"
#include "app/win32/system.h"
#include "app/win32/win_text.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace winview {

using app::Piece;
using app::listing::Column;
using app::listing::Method;

namespace {

constexpr const wchar_t *kClassName = L"ropecalc.Selection";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; // fixed border, close box only
constexpr DWORD kWindowExStyle = 0;
constexpr int kListLines = 10; // items the dropped-down purpose list shows at once

bool isChecked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

SIZE windowSize(UINT dpi)
{
    return frameSize(app::kSelectionWidth, app::kSelectionHeight, kWindowStyle, kWindowExStyle, dpi);
}

// A pair of option buttons, the work type's or the way's, and what each stands for.
template <typename Row, typename Value> struct OptionPair {
    const std::array<Row, 2> &rows;
    Value Row::*value;
};
constexpr OptionPair<app::WorkOption, standard::WorkType> kWorkPair { app::kSelectionWorkOptions,
    &app::WorkOption::work };
constexpr OptionPair<app::WayOption, app::listing::Way> kWayPair { app::kWayOptions, &app::WayOption::way };

// What the option button stands for, if it is of the pair and checked: a radio button that takes
// the focus by Tab says it was clicked too, but only a click, Space or an arrow key checks it.
template <typename Row, typename Value>
std::optional<Value> checkedOption(HWND window, OptionPair<Row, Value> pair, app::SelectionControl option)
{
    for (const Row &row : pair.rows)
        if (row.option.control == option && isChecked(GetDlgItem(window, controlId(option))))
            return row.*pair.value;
    return std::nullopt;
}

// The pair's button that stands for `value` checked, the other not; each button is its own group,
// so checking one leaves the other to the window.
template <typename Row, typename Value>
void checkOption(HWND window, OptionPair<Row, Value> pair, Value value)
{
    for (const Row &row : pair.rows) {
        HWND button = GetDlgItem(window, controlId(row.option));
        const WPARAM check = row.*pair.value == value ? BST_CHECKED : BST_UNCHECKED;
        if (WPARAM(SendMessageW(button, BM_GETCHECK, 0, 0)) != check)
            SendMessageW(button, BM_SETCHECK, check, 0);
    }
}

// The other button of the pair that holds `button`, if one does.
template <typename Row, typename Value>
HWND otherOption(HWND window, OptionPair<Row, Value> pair, HWND button)
{
    const HWND first = GetDlgItem(window, controlId(pair.rows.front().option));
    const HWND second = GetDlgItem(window, controlId(pair.rows.back().option));
    return button == first ? second : button == second ? first : nullptr;
}

} // namespace

// A dialog's class, as the calculator's: Tab, Enter and the focus kept over deactivation.
SelectionWindow::SelectionWindow(HINSTANCE instance, HWND calculatorWindow, app::Form1 &calculator,
    std::function<void(app::sheet::Document)> showSheet)
    : OwnedWindow({ .dialog = true, .resizable = false, .hides = true })
    , m_calculator(calculator)
    , m_calculatorWindow(calculatorWindow)
    , m_showSheet(std::move(showSheet))
{
    INITCOMMONCONTROLSEX classes { sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES };
    checked(InitCommonControlsEx(&classes), "InitCommonControlsEx");
    try {
        // Made in its size at the calculator's DPI, where it opens.
        const SIZE size = windowSize(GetDpiForWindow(calculatorWindow));
        create(instance, kClassName, app::kSelectionCaption, kWindowStyle, kWindowExStyle, size,
            calculatorWindow);
        m_dpi = GetDpiForWindow(m_window);
        makeFont();
        buildControls(instance);
        if (const SIZE fitted = windowSize(m_dpi); fitted.cx != size.cx || fitted.cy != size.cy)
            SetWindowPos(
                m_window, nullptr, 0, 0, fitted.cx, fitted.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        showListing();
        nameControls();
    } catch (...) {
        abandon();
        DeleteObject(m_font);
        throw;
    }
}

SelectionWindow::~SelectionWindow()
{
    // Destroyed with its owner, or here when the calculator's Window goes first.
    destroy();
    DeleteObject(m_font);
}

void SelectionWindow::open()
{
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
}

bool SelectionWindow::translate(MSG &message)
{
    if (message.message == WM_KEYDOWN && moveBetweenOptions(message.hwnd, message.wParam))
        return true;
    return IsDialogMessageW(m_window, &message) != FALSE;
}

// In table order, which is the tab order, with each label right before the input it names.
void SelectionWindow::buildControls(HINSTANCE instance)
{
    for (const app::SelectionSpec &row : app::kSelectionControls) {
        const wchar_t *className = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (row.piece) {
        case Piece::Label:
        case Piece::Status:
            className = L"STATIC";
            style |= SS_NOPREFIX | SS_LEFT;
            break;
        case Piece::Box:
            className = L"EDIT";
            style |= WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case Piece::PurposeList:
            className = L"COMBOBOX";
            style |= WS_TABSTOP | WS_GROUP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
            break;
        case Piece::Option:
            // Each a group of its own, as the calculator's: the dialog manager's Tab skips the
            // unselected buttons of a group, and Tab goes through every control. The arrow keys
            // move between the two instead (translate), and the window unselects the other.
            style |= WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON;
            break;
        case Piece::Check:
            style |= WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
            break;
        case Piece::Button:
            style |= WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
            break;
        case Piece::Table:
            className = WC_LISTVIEWW;
            style |= WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        }
        const RECT place = placeOf(row);
        HWND made = checked(CreateWindowExW(exStyle, className, wide(row.caption).c_str(), style, place.left,
                                place.top, place.right - place.left, place.bottom - place.top, m_window,
                                reinterpret_cast<HMENU>(INT_PTR(controlId(row.control))), instance, nullptr),
            "CreateWindowExW");
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        if (row.piece == Piece::PurposeList)
            for (std::string_view item : app::Selection::purposes())
                SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
        if (row.piece == Piece::Table)
            m_list = made;
    }
    // The job the model starts with: "安装", "竖井", both methods.
    const app::listing::Job &job = m_selection.job();
    showOptions();
    showWay();
    {
        const Writing writing(m_writing);
        for (const app::MethodCheck &row : app::kMethodChecks) {
            const bool shown = row.method == Method::Traditional ? job.traditional : job.standard;
            SendMessageW(control(row.check), BM_SETCHECK, shown ? BST_CHECKED : 0, 0);
        }
    }
    ListView_SetExtendedListViewStyle(m_list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    addColumns();
}

void SelectionWindow::addColumns()
{
    for (std::size_t column = 0; column < app::listing::kColumnCount; ++column) {
        std::wstring title = wide(app::listing::kColumnTitles.at(column));
        LVCOLUMNW added {};
        added.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        // The numbers right-aligned, so that their digits line up.
        added.fmt = column >= std::size_t(Column::Diameter) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        added.cx = app::pixels(app::kColumnWidths.at(column), int(m_dpi));
        added.pszText = title.data();
        added.iSubItem = int(column);
        SendMessageW(m_list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&added));
    }
}

// What a screen reader announces for the inputs and the list, which have no caption of their
// own; without the annotation service the labels before the inputs still name them.
void SelectionWindow::nameControls()
{
    m_names = std::make_unique<ControlNames>();
    for (const app::SelectionSpec &row : app::kSelectionControls)
        if (!row.accessibleName.empty())
            m_names->name(control(row.control), row.accessibleName);
}

void SelectionWindow::makeFont()
{
    HFONT font = checked(createDialogFont(m_dpi), "CreateFontW");
    m_lineHeight = lineHeightOf(m_window, font);
    DeleteObject(std::exchange(m_font, font));
}

RECT SelectionWindow::placeOf(const app::SelectionSpec &row) const
{
    const int left = app::pixels(row.left, int(m_dpi));
    app::VerticalExtent extent { app::pixels(row.top, int(m_dpi)), app::pixels(row.height, int(m_dpi)) };
    if (row.piece == Piece::Label || row.piece == Piece::Status)
        extent = app::grownLabel(extent.top, extent.height, m_lineHeight);
    if (row.piece == Piece::PurposeList)
        extent.height += kListLines * m_lineHeight; // the height of a combo box includes its list
    return { left, extent.top, left + app::pixels(row.width, int(m_dpi)), extent.top + extent.height };
}

// On a monitor of another DPI the window is laid out anew, its columns too.
void SelectionWindow::changeDpi(UINT dpi)
{
    m_dpi = dpi;
    HFONT previous = m_font;
    m_font = nullptr;
    makeFont();
    for (const app::SelectionSpec &row : app::kSelectionControls) {
        HWND made = control(row.control);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        const RECT place = placeOf(row);
        SetWindowPos(made, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (std::size_t column = 0; column < app::listing::kColumnCount; ++column)
        ListView_SetColumnWidth(m_list, int(column), app::pixels(app::kColumnWidths.at(column), int(m_dpi)));
    DeleteObject(previous);
    const SIZE size = windowSize(m_dpi);
    SetWindowPos(m_window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
}

LRESULT SelectionWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return notify(*reinterpret_cast<const NMHDR *>(lParam));
    case WM_DESTROY:
        if (m_names != nullptr)
            for (const app::SelectionSpec &row : app::kSelectionControls)
                if (!row.accessibleName.empty())
                    m_names->clear(control(row.control));
        break;
    case WM_NCDESTROY:
        m_list = nullptr;
        break;
    default:
        break;
    }
    return defaultProcedure(window, message, wParam, lParam);
}

// The user's input, and nothing else, reaches the model, as in the calculator window: EN_CHANGE
// of a box and CBN_EDITCHANGE of the purpose field are typing; CBN_SELENDOK, or CBN_SELCHANGE
// with the list closed, a pick; BN_CLICKED of an option, a check box or a button. Enter comes as
// IDOK (the dialog manager's), and takes the list's current row over when the list has the focus;
// Esc (IDCANCEL) closes the window as its close box does.
void SelectionWindow::command(int id, int code)
{
    if (m_writing != 0)
        return;
    if (id == IDOK) {
        if (GetFocus() == m_list)
            takeOver();
        return;
    }
    if (id == IDCANCEL) {
        ShowWindow(m_window, SW_HIDE);
        return;
    }
    const std::optional<app::SelectionControl> control = selectionControlOf(id);
    if (!control)
        return;
    switch (*control) {
    case app::SelectionControl::PurposeBox:
        listCommand(code);
        return;
    case app::SelectionControl::UseButton:
        if (code == BN_CLICKED)
            takeOver();
        return;
    case app::SelectionControl::CopyButton:
        if (code == BN_CLICKED)
            copy();
        return;
    case app::SelectionControl::SheetButton:
        if (code == BN_CLICKED)
            sheet();
        return;
    default:
        if (input(*control, code))
            showListing();
        return;
    }
}

// Typing in a box, an option or a check box told to the model; whether the job changed.
bool SelectionWindow::input(app::SelectionControl id, int code)
{
    switch (id) {
    case app::SelectionControl::LoadBox:
    case app::SelectionControl::LengthBox: {
        if (code != EN_CHANGE)
            return false;
        const std::string text = utf8(textOf(control(id)));
        if (id == app::SelectionControl::LoadBox)
            m_selection.typeLoad(text);
        else
            m_selection.typeLength(text);
        return true;
    }
    case app::SelectionControl::TraditionalCheck:
    case app::SelectionControl::StandardCheck:
        if (code != BN_CLICKED)
            return false;
        for (const app::MethodCheck &row : app::kMethodChecks)
            if (row.check.control == id)
                m_selection.showMethod(row.method, isChecked(control(id)));
        return true;
    case app::SelectionControl::AngleBox:
    case app::SelectionControl::TrackBox:
    case app::SelectionControl::DragBox:
        if (code != EN_CHANGE)
            return false;
        for (const app::InclinedInput &row : app::kInclinedInputs)
            if (row.box.control == id)
                m_selection.typeInclined(row.input, utf8(textOf(control(id))));
        return true;
    case app::SelectionControl::InstallOption:
    case app::SelectionControl::MineOption:
    case app::SelectionControl::VerticalOption:
    case app::SelectionControl::InclinedOption:
        return code == BN_CLICKED && selectOption(id);
    default:
        return false;
    }
}

// A click on the button already checked changes nothing; one that checks the other button of its
// pair tells the model.
bool SelectionWindow::selectOption(app::SelectionControl option)
{
    const app::listing::Job &job = m_selection.job();
    bool changed = false;
    if (const auto work = checkedOption(m_window, kWorkPair, option); work && *work != job.work) {
        m_selection.selectWork(*work);
        changed = true;
    }
    if (const auto way = checkedOption(m_window, kWayPair, option); way && *way != job.way) {
        m_selection.selectWay(*way);
        showWay();
        changed = true;
    }
    showOptions();
    return changed;
}

// The work type's and the way's option buttons as the model has them.
void SelectionWindow::showOptions()
{
    const Writing writing(m_writing);
    checkOption(m_window, kWorkPair, m_selection.job().work);
    checkOption(m_window, kWayPair, m_selection.job().way);
}

// The inclined inputs take input only in an inclined job, and the length's label says which length;
// what the boxes hold stays as typed.
void SelectionWindow::showWay()
{
    const Writing writing(m_writing);
    const BOOL enabled = m_selection.inclinedEnabled() ? TRUE : FALSE;
    for (const app::InclinedInput &row : app::kInclinedInputs)
        for (const app::SelectionControl input : { row.label.control, row.box.control })
            if (IsWindowEnabled(control(input)) != enabled)
                EnableWindow(control(input), enabled);
    HWND label = control(app::kLengthLabel);
    if (const std::wstring text = wide(m_selection.lengthCaption()); textOf(label) != text)
        SetWindowTextW(label, text.c_str());
}

// The arrow keys on an option button select the other one of its pair, as within a frame of the
// calculator.
bool SelectionWindow::moveBetweenOptions(HWND focused, WPARAM key)
{
    if ((key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) || focused == nullptr)
        return false;
    HWND next = otherOption(m_window, kWorkPair, focused);
    if (next == nullptr)
        next = otherOption(m_window, kWayPair, focused);
    if (next == nullptr)
        return false;
    SetFocus(next);
    SendMessageW(next, BM_CLICK, 0, 0);
    return true;
}

// Wine's combo box writes each item into the field while the arrow keys go through the open
// list, and says CBN_SELENDCANCEL when it closes without a pick: then the field gets back what
// it held when it opened. It says the same when it loses the focus closed; then nothing was open.
void SelectionWindow::listCommand(int code)
{
    HWND list = control(app::kPurposeBox);
    switch (code) {
    case CBN_DROPDOWN:
        m_dropped.open(list);
        return;
    case CBN_SELENDOK:
        m_dropped.pick();
        m_selection.pickPurpose(int(SendMessageW(list, CB_GETCURSEL, 0, 0)));
        break;
    case CBN_SELCHANGE:
        if (SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0)
            return;
        m_selection.pickPurpose(int(SendMessageW(list, CB_GETCURSEL, 0, 0)));
        break;
    case CBN_EDITCHANGE:
        m_selection.typePurpose(utf8(textOf(list)));
        break;
    case CBN_SELENDCANCEL:
        m_dropped.restore(list, m_writing);
        return;
    default:
        return;
    }
    showListing();
}

LRESULT SelectionWindow::notify(const NMHDR &header)
{
    if (header.hwndFrom != m_list || m_list == nullptr)
        return 0;
    switch (header.code) {
    case LVN_GETDISPINFOW:
        cellText(*reinterpret_cast<NMLVDISPINFOW *>(const_cast<NMHDR *>(&header)));
        return 0;
    case LVN_COLUMNCLICK: {
        const int column = reinterpret_cast<const NMLISTVIEW &>(header).iSubItem;
        if (column >= 0 && column < int(app::listing::kColumnCount)) {
            m_selection.sortBy(Column(column));
            showListing();
        }
        return 0;
    }
    case LVN_ITEMCHANGED: // a row became current, or none is
        showSheetButton();
        return 0;
    case LVN_ITEMACTIVATE: // a double-click on a row, or Enter that reached the list itself
        if (reinterpret_cast<const NMITEMACTIVATE &>(header).iItem >= 0)
            takeOver();
        return 0;
    default:
        return 0;
    }
}

// The list holds no text: each cell is read from the model's rows when it is drawn.
void SelectionWindow::cellText(tagLVDISPINFOW &info) const
{
    const auto &rows = m_selection.rows();
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.pszText == nullptr || info.item.cchTextMax <= 0)
        return;
    info.item.pszText[0] = L'\0';
    if (info.item.iItem < 0 || std::size_t(info.item.iItem) >= rows.size() || info.item.iSubItem < 0
        || std::size_t(info.item.iSubItem) >= app::listing::kColumnCount)
        return;
    const std::wstring text
        = wide(rows.at(std::size_t(info.item.iItem)).cells.at(std::size_t(info.item.iSubItem)));
    lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
}

// The list, its header's sort arrow and the status line shown anew from the model; the list's
// first row current, or none. The list is told only its length: its rows are drawn as needed.
void SelectionWindow::showListing()
{
    const Writing writing(m_writing);
    const int count = int(m_selection.rows().size());
    // Told the count only when it changes: telling it the same count lays the list out anew.
    if (ListView_GetItemCount(m_list) != count)
        ListView_SetItemCountEx(m_list, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    // Only the rows that are current lose it: clearing every row would touch each of them.
    for (const UINT state : { UINT(LVNI_SELECTED), UINT(LVNI_FOCUSED) })
        if (const int row = ListView_GetNextItem(m_list, -1, state); row > 0)
            ListView_SetItemState(m_list, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (count > 0) {
        ListView_SetItemState(m_list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(m_list, 0, FALSE);
    }
    invalidateChanged();
    showSheetButton();

    HWND header = ListView_GetHeader(m_list);
    for (std::size_t column = 0; column < app::listing::kColumnCount; ++column) {
        HDITEMW item {};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, int(column), &item);
        const int arrow = m_selection.sortColumn() != Column(column) ? 0
            : m_selection.descending()                               ? HDF_SORTDOWN
                                                                     : HDF_SORTUP;
        if ((item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != arrow) {
            item.fmt = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | arrow;
            Header_SetItem(header, int(column), &item);
        }
    }
    HWND status = control(app::kStatusLabel);
    if (const std::wstring text = wide(m_selection.status()); textOf(status) != text)
        SetWindowTextW(status, text.c_str());
}

// Only the cells whose text changed are drawn again: a new load changes two columns of the rows
// in view, and drawing a cell's text is most of the time a keystroke takes under Wine.
void SelectionWindow::invalidateChanged()
{
    const auto &rows = m_selection.rows();
    const int top = ListView_GetTopIndex(m_list);
    const int shown = std::clamp(int(rows.size()) - top, 0, ListView_GetCountPerPage(m_list) + 1);
    if (top != m_shownTop || shown != int(m_shown.size())) {
        InvalidateRect(m_list, nullptr, FALSE);
    } else {
        HRGN changed = CreateRectRgn(0, 0, 0, 0);
        for (int k = 0; k < shown; ++k) {
            const auto &cells = rows.at(std::size_t(top) + std::size_t(k)).cells;
            for (std::size_t column = 0; column < cells.size(); ++column) {
                if (cells.at(column) == m_shown.at(std::size_t(k)).at(column))
                    continue;
                // The first column's own rectangle is the whole row's: it ends where the second begins.
                RECT cell {};
                ListView_GetSubItemRect(
                    m_list, top + k, int(std::max<std::size_t>(column, 1)), LVIR_BOUNDS, &cell);
                if (column == 0) {
                    cell.right = cell.left;
                    cell.left = 0;
                }
                HRGN add = CreateRectRgnIndirect(&cell);
                CombineRgn(changed, changed, add, RGN_OR);
                DeleteObject(add);
            }
        }
        InvalidateRgn(m_list, changed, FALSE);
        DeleteObject(changed);
    }
    m_shownTop = top;
    m_shown.clear();
    for (int k = 0; k < shown; ++k)
        m_shown.push_back(rows.at(std::size_t(top) + std::size_t(k)).cells);
}

// The current row done in the calculator as the user would do it, and the calculator brought to
// the front; nothing while the calculator is busy under its message box, which disables only the
// calculator window.
void SelectionWindow::takeOver()
{
    const int row = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    if (row < 0 || std::size_t(row) >= m_selection.rows().size())
        return;
    if (!app::takeOver(m_calculator, m_selection.rows().at(std::size_t(row)), m_selection.job()))
        return;
    SetForegroundWindow(m_calculatorWindow);
    SetActiveWindow(m_calculatorWindow);
}

// The current row's calculation sheet for the job as typed, dated today, in the preview.
void SelectionWindow::sheet()
{
    const int row = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    if (row < 0 || std::size_t(row) >= m_selection.rows().size())
        return;
    if (std::optional<app::sheet::Document> document
        = app::sheet::selectionSheet(m_selection.job(), m_selection.rows().at(std::size_t(row)), today()))
        m_showSheet(std::move(*document));
}

// 计算书… is enabled only while the list has a current row.
void SelectionWindow::showSheetButton()
{
    EnableWindow(
        control(app::SelectionControl::SheetButton), ListView_GetNextItem(m_list, -1, LVNI_SELECTED) >= 0);
}

// The listing as text on the clipboard, for a spreadsheet or a document.
void SelectionWindow::copy()
{
    const std::wstring text = wide(m_selection.copyText());
    if (OpenClipboard(m_window) == FALSE)
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes); memory != nullptr) {
        if (void *data = GlobalLock(memory); data != nullptr) {
            std::memcpy(data, text.c_str(), bytes);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
                GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

} // namespace winview
