// The random sessions of the other front ends, played on the real ropecalc.exe with SendInput
// only: clicks on option buttons, labels and disabled controls; picks with the arrow keys on a
// closed list, from the list opened by F4 or Alt+Down, and with the mouse; lists opened and
// closed by Esc; typing, editing keys inside a field and the clipboard; presses of both
// buttons with the message box closed by Enter or a click. The same actions go to a model of
// the window in this process, as the inputs its view reports. After every action each control
// of the program must show what the model holds, and the rules every session is held to must
// hold on what the program shows.
// Usage: window_session ropecalc.exe   (ROPECALC_SEED, ROPECALC_ACTIONS choose another session)

#include "app/calculator/form1.h"
#include "tests/support/random_session.h"
#include "tests/win32/windows_input.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using drive::Calculator;
using session::Action;
using session::Key;
using session::Verb;

constexpr int kDefaultActions = 600;
constexpr auto kShrinkTime = std::chrono::seconds(180);
constexpr DWORD kSettleMs = 3000; // the longest an action may take to show

// A single-line field as the system's edit control keeps it: UTF-16 text, the caret and the
// other end of the selection. A typed control character is not taken, a paste stops at a line
// break, and the plain arrow keys are only pressed with nothing selected.
class Field {
public:
    explicit Field(std::wstring text)
        : m_text(std::move(text))
        , m_caret(m_text.size())
        , m_anchor(m_caret)
    {
    }

    const std::wstring &text() const { return m_text; }

    // Moves the caret or replaces the selection as the key does; false if the text is as it was.
    bool press(Key key, std::wstring_view inserted = {})
    {
        const std::size_t end = m_text.size();
        switch (key) {
        case Key::Home:
        case Key::End:
            m_caret = m_anchor = key == Key::Home ? 0 : end;
            return false;
        case Key::Left:
        case Key::ShiftLeft:
            m_caret = m_caret > 0 ? m_caret - 1 : 0;
            break;
        case Key::Right:
        case Key::ShiftRight:
            m_caret = std::min(m_caret + 1, end);
            break;
        case Key::ShiftHome:
            m_caret = 0;
            break;
        case Key::Backspace:
            // With nothing selected, the character before the caret.
            if (m_caret == m_anchor && m_caret > 0)
                --m_caret;
            return replace({});
        case Key::Delete:
            // With nothing selected, the character after it.
            if (m_caret == m_anchor && m_caret < end)
                ++m_anchor;
            return replace({});
        case Key::Type:
            return replace(inserted.substr(0, 1));
        case Key::Paste:
            return replace(inserted.substr(0, inserted.find_first_of(L"\r\n")));
        }
        if (key == Key::Left || key == Key::Right)
            m_anchor = m_caret;
        return false;
    }

private:
    bool replace(std::wstring_view by)
    {
        const std::size_t from = std::min(m_caret, m_anchor);
        const std::size_t count = std::max(m_caret, m_anchor) - from;
        if (count == 0 && by.empty())
            return false;
        m_text.replace(from, count, by);
        m_caret = m_anchor = from + by.size();
        return true;
    }

    std::wstring m_text;
    std::size_t m_caret;
    std::size_t m_anchor;
};

bool takenWhenTyped(wchar_t unit)
{
    return unit >= L' ' && unit != 127;
}

void putOnClipboard(const std::wstring &text)
{
    if (OpenClipboard(nullptr) == FALSE)
        return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto *copy = static_cast<wchar_t *>(GlobalLock(memory));
        std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

// The brightest of a few points inside a box, right of any text: white, red, or what the box
// shows instead. The strip is copied from the screen at once, as each point read from the
// screen costs a round trip to the display.
common::Rgb backgroundOf(HWND box)
{
    constexpr int kStrip = 10;
    RECT rect {};
    GetWindowRect(box, &rect);
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC strip = CreateCompatibleDC(screen);
    HBITMAP pixels = CreateCompatibleBitmap(screen, kStrip, height);
    const HGDIOBJ previous = SelectObject(strip, pixels);
    BitBlt(strip, 0, 0, kStrip, height, screen, rect.right - kStrip, rect.top, SRCCOPY);
    COLORREF brightest = 0;
    const auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    for (const int across : { kStrip - 4, kStrip - 6, kStrip - 8 })
        for (const int down : { 4, height / 2 })
            if (const COLORREF colour = GetPixel(strip, across, down);
                colour != CLR_INVALID && sum(colour) >= sum(brightest))
                brightest = colour;
    SelectObject(strip, previous);
    DeleteObject(pixels);
    DeleteDC(strip);
    ReleaseDC(nullptr, screen);
    return { GetRValue(brightest), GetGValue(brightest), GetBValue(brightest) };
}

// The program, started anew for each window of a session, and a model of the window given the
// same actions. A list's selected item may read -1 after the user typed in its field: the
// system deselects it there, while the model keeps it for the next pick.
class WindowsSession final : private app::View {
public:
    static inline std::wstring program;

    explicit WindowsSession(session::Tally *tally = nullptr)
        : m_calculator(program)
        , m_form(*this)
        , m_checker(tally)
    {
        if (ready())
            m_shown = settled();
    }
    WindowsSession(const WindowsSession &) = delete;
    WindowsSession &operator=(const WindowsSession &) = delete;

    bool ready() const { return m_calculator.window() != nullptr; }
    const session::Screen &screen() const { return m_shown; }

    std::optional<session::Failure> perform(const Action &action)
    {
        m_modelMessages.clear();
        m_shownMessages.clear();
        const session::Screen modelBefore = session::screenOf(m_form);
        act(action);
        const session::Screen held = session::screenOf(m_form);
        for (std::size_t n = 1; n < session::kLists; ++n)
            if (held.picked[n] != modelBefore.picked[n])
                m_typed[n] = false;
        session::Screen now = settled();
        closeMessages();
        std::optional<session::Failure> failure = m_checker.check(action, m_shown, now, m_shownMessages);
        if (!failure && m_shownMessages != m_modelMessages)
            failure = session::Failure { "mirror",
                "the program showed the messages [" + joined(m_shownMessages) + "] where the model showed ["
                    + joined(m_modelMessages) + "]" };
        if (!failure && !mirrors(now, held))
            failure = session::Failure { "mirror",
                "the program differs from the window's model: "
                    + session::difference(expected(now, held), now) + " (the model's first)" };
        m_shown = std::move(now);
        return failure;
    }

private:
    void stateChanged(app::Ref) override { }
    void showMessage(std::string_view text) override { m_modelMessages.emplace_back(text); }

    static std::string joined(const std::vector<std::string> &texts)
    {
        std::string all;
        for (const std::string &text : texts)
            all += (all.empty() ? "" : "|") + text;
        return all;
    }

    // What the program should show for the model's state: a box the model has not coloured in
    // the system's window colour, and no item where the user's typing deselected it.
    session::Screen expected(const session::Screen &shown, session::Screen held) const
    {
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        const common::Rgb unset { GetRValue(window), GetGValue(window), GetBValue(window) };
        for (std::size_t n = 1; n < session::kTexts; ++n) {
            if (isResult(n))
                held.backgrounds[n] = held.backgrounds[n].value_or(unset);
            else
                held.backgrounds[n].reset();
        }
        for (std::size_t n = 1; n < session::kLists; ++n)
            if (m_typed[n] && shown.picked[n] == -1)
                held.picked[n] = -1;
        return held;
    }
    bool mirrors(const session::Screen &shown, const session::Screen &held) const
    {
        return shown == expected(shown, held);
    }

    static bool isResult(std::size_t box)
    {
        return int(box) == app::kTraditionalResult.number || int(box) == app::kStandardResult.number;
    }

    // The program's controls once they show the model's state, or as they are after the longest
    // an action may take; a window just opened may not have painted its boxes yet.
    session::Screen settled() const
    {
        const session::Screen held = session::screenOf(m_form);
        session::Screen now = read();
        for (const DWORD start = GetTickCount(); GetTickCount() - start < kSettleMs && !mirrors(now, held);
             Sleep(15))
            now = read();
        return now;
    }

    session::Screen read() const
    {
        session::Screen shown;
        const Calculator &c = m_calculator;
        for (std::size_t n = 1; n < session::kTexts; ++n) {
            shown.texts[n] = c.text(app::text(int(n)));
            if (isResult(n))
                shown.backgrounds[n] = backgroundOf(c.item(app::text(int(n))));
        }
        for (std::size_t n = 1; n < session::kLists; ++n) {
            shown.lists[n] = c.text(app::combo(int(n)));
            shown.picked[n] = c.picked(int(n));
            shown.listEnabled[n] = c.enabled(app::combo(int(n)));
        }
        for (std::size_t n = 1; n < session::kOptions; ++n) {
            shown.selected[n] = c.checked(int(n));
            shown.optionEnabled[n] = c.enabled(app::option(int(n)));
        }
        for (std::size_t n = 1; n < session::kCommands; ++n)
            shown.commandEnabled[n] = c.enabled(app::command(int(n)));
        return shown;
    }

    void act(const Action &action)
    {
        switch (action.verb) {
        case Verb::Click:
            drive::click(m_calculator.item(app::option(action.number)));
            m_form.select(app::option(action.number));
            return;
        case Verb::ClickLabel:
            drive::click(m_calculator.item(app::label(action.number)));
            return;
        case Verb::Pick:
            arrowPick(action.number, action.row);
            return;
        case Verb::PopupPick:
        case Verb::MousePick:
        case Verb::Cancel:
            openList(action);
            return;
        case Verb::Press:
            press(action);
            return;
        default:
            edit(action);
            return;
        }
    }

    HWND list(int n) const { return m_calculator.item(app::combo(n)); }
    bool usable(int n) const
    {
        return m_calculator.enabled(app::combo(n)) && SendMessageW(list(n), CB_GETCOUNT, 0, 0) > 0;
    }

    // Waits for the list's selected item to move off `from`; the item it moved to.
    int movedFrom(int n, int from) const
    {
        drive::eventually([&] { return m_calculator.picked(n) != from; }, 1000);
        return m_calculator.picked(n);
    }

    // The arrow keys on a closed list: each item they land on is picked. A list on the wanted
    // row already is stepped off it and back.
    void arrowPick(int n, int row)
    {
        drive::click(drive::fieldOf(list(n)), 4);
        if (!usable(n))
            return;
        const int count = int(SendMessageW(list(n), CB_GETCOUNT, 0, 0));
        int at = m_calculator.picked(n);
        for (int steps = 0; (at != row || steps == 0) && steps <= count + 1; ++steps) {
            const bool down = at == row ? row + 1 < count : at < row;
            drive::press(down ? VK_DOWN : VK_UP);
            at = movedFrom(n, at);
            m_form.pick(app::combo(n), at);
        }
    }

    // The list opened by F4, Alt+Down or its arrow; then the item clicked, or arrowed to and
    // taken by Enter, or the list closed by Esc after a few arrow keys.
    void openList(const Action &action)
    {
        const int n = action.number;
        HWND combo = list(n);
        const bool byMouse
            = action.verb == Verb::MousePick || (action.verb == Verb::Cancel && action.how == 2);
        if (byMouse)
            drive::click(combo, 8); // the arrow
        else
            drive::click(drive::fieldOf(combo), 4);
        if (!usable(n))
            return;
        if (!byMouse)
            drive::press(action.how == 0 ? VK_F4 : VK_DOWN, action.how == 0 ? 0 : VK_MENU);
        if (!drive::eventually([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 2000))
            return;
        if (action.verb == Verb::MousePick) {
            clickRow(n, action.row);
        } else if (action.verb == Verb::PopupPick) {
            int at = m_calculator.picked(n);
            const int count = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
            for (int steps = 0; at != action.row && steps <= count + 1; ++steps) {
                drive::press(at < action.row ? VK_DOWN : VK_UP);
                at = movedFrom(n, at);
            }
            drive::press(VK_RETURN);
        } else {
            for (int i = 0; i < action.row; ++i) {
                const int at = m_calculator.picked(n);
                drive::press(VK_DOWN);
                movedFrom(n, at);
            }
            drive::press(VK_ESCAPE);
        }
        drive::eventually([combo] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 2000);
        if (action.verb != Verb::Cancel)
            m_form.pick(app::combo(n), action.row);
    }

    // Clicks the row of the open list. A row the list does not show is brought into view first
    // with the arrow keys, which move the highlight of an open list and pick nothing.
    void clickRow(int n, int row) const
    {
        HWND shown = nullptr;
        drive::eventually([&] {
            while ((shown = FindWindowExW(nullptr, shown, L"ComboLBox", nullptr)) != nullptr)
                if (IsWindowVisible(shown) != FALSE)
                    return true;
            return false;
        });
        if (shown == nullptr)
            return;
        RECT rect {};
        GetClientRect(shown, &rect);
        const int height = std::max(int(SendMessageW(list(n), CB_GETITEMHEIGHT, 0, 0)), 1);
        const int lines = rect.bottom / height;
        const int count = int(SendMessageW(list(n), CB_GETCOUNT, 0, 0));
        const auto top = [shown] { return int(SendMessageW(shown, LB_GETTOPINDEX, 0, 0)); };
        for (int steps = 0; (row < top() || row >= top() + lines) && steps <= count + 1; ++steps) {
            const int at = m_calculator.picked(n);
            drive::press(row < top() ? VK_UP : VK_DOWN);
            movedFrom(n, at);
        }
        // Where the row stands now, on the screen: the open list is placed under its field
        // once shown, so it is asked only now.
        Sleep(100);
        RECT item {};
        SendMessageW(shown, LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(shown, nullptr, reinterpret_cast<POINT *>(&item), 2);
        drive::clickAt({ (item.left + item.right) / 2, (item.top + item.bottom) / 2 });
    }

    // A click at the end of the field, then the action's keys, each told to the model as the
    // text it leaves, as the view reports every change.
    void edit(const Action &action)
    {
        const app::Ref ref = session::fieldOf(action);
        HWND control = m_calculator.item(ref);
        drive::click(action.list ? drive::fieldOf(control) : control, 4);
        if (!m_calculator.enabled(ref))
            return;
        Field field(wide(m_form.state(ref).text));
        bool changed = false;
        const auto key = [&](Key pressed, std::wstring_view inserted = {}) {
            static constexpr std::pair<Key, std::pair<WORD, WORD>> kKeys[] { { Key::Home, { VK_HOME, 0 } },
                { Key::End, { VK_END, 0 } }, { Key::Left, { VK_LEFT, 0 } }, { Key::Right, { VK_RIGHT, 0 } },
                { Key::ShiftLeft, { VK_LEFT, VK_SHIFT } }, { Key::ShiftRight, { VK_RIGHT, VK_SHIFT } },
                { Key::ShiftHome, { VK_HOME, VK_SHIFT } }, { Key::Backspace, { VK_BACK, 0 } },
                { Key::Delete, { VK_DELETE, 0 } }, { Key::Paste, { 'V', VK_CONTROL } } };
            if (pressed == Key::Type)
                drive::type(drive::utf8(inserted.substr(0, 1)));
            if (pressed == Key::Paste)
                putOnClipboard(std::wstring(inserted));
            for (const auto &[which, keys] : kKeys)
                if (which == pressed)
                    drive::press(keys.first, keys.second);
            if (field.press(pressed, inserted)) {
                changed = true;
                session::typeInto(m_form, action, drive::utf8(field.text()));
            }
            // The program reads the clipboard when it takes the keys: the next text waits for it.
            if (pressed == Key::Paste)
                drive::eventually([&] { return m_calculator.text(ref) == drive::utf8(field.text()); }, 2000);
        };
        const auto typeAll = [&](const std::string &text) {
            for (wchar_t unit : wide(text))
                if (takenWhenTyped(unit))
                    key(Key::Type, std::wstring_view(&unit, 1));
        };
        key(Key::End);
        switch (action.verb) {
        case Verb::Type:
            typeAll(action.text);
            break;
        case Verb::Retype:
            key(Key::ShiftHome);
            typeAll(action.text);
            break;
        case Verb::Paste:
            key(Key::ShiftHome);
            key(Key::Paste, wide(action.text));
            break;
        case Verb::Clear:
            key(Key::ShiftHome);
            key(Key::Delete);
            break;
        case Verb::Enter:
            drive::press(VK_RETURN);
            break;
        default:
            for (const session::Keystroke &stroke : action.keys)
                if (stroke.key == Key::Type)
                    typeAll(stroke.text);
                else
                    key(stroke.key, wide(stroke.text));
            break;
        }
        if (changed && action.list)
            m_typed.at(std::size_t(action.number)) = true;
    }

    // A press, and the message box it opens closed by Enter or a click on its button.
    void press(const Action &action)
    {
        drive::click(m_calculator.item(app::command(action.number)));
        m_form.press(app::command(action.number));
        if (!m_modelMessages.empty())
            drive::eventually([this] { return m_calculator.messageBox() != nullptr; });
        closeMessages(action.how == 0);
    }

    // Reads and closes every message box the program shows now.
    void closeMessages(bool byEnter = true)
    {
        for (HWND box = m_calculator.messageBox(); box != nullptr; box = m_calculator.messageBox()) {
            Sleep(50); // its text is set once it shows
            m_shownMessages.push_back(drive::messageOf(box));
            if (byEnter)
                drive::press(VK_RETURN);
            else
                drive::click(FindWindowExW(box, nullptr, L"Button", nullptr));
            if (!drive::eventually([&] { return IsWindow(box) == FALSE || IsWindowVisible(box) == FALSE; }))
                break;
        }
    }

    static std::wstring wide(std::string_view text) { return drive::wide(text); }

    Calculator m_calculator;
    app::Form1 m_form;
    session::Checker m_checker;
    session::Screen m_shown;
    std::array<bool, session::kLists> m_typed {};
    std::vector<std::string> m_modelMessages;
    std::vector<std::string> m_shownMessages;
};

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::printf("usage: window_session ropecalc.exe\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    WindowsSession::program = drive::windowsPath(argv[1]);
    const session::Settings settings = session::settingsFromEnvironment(kDefaultActions);
    std::printf("seed %llu, %d actions (ROPECALC_SEED, ROPECALC_ACTIONS)\n",
        static_cast<unsigned long long>(settings.seed), settings.actions);
    std::fflush(stdout);
    const session::Report report = session::run<WindowsSession>(settings, kShrinkTime, true);
    if (!report.failure.empty()) {
        std::printf("%s\n0 passed, 1 failed\n", report.failure.c_str());
        return 1;
    }
    const session::Tally &tally = report.tally;
    std::printf("%d actions on %d windows in %.1f s, %.0f ms an action\n", report.performed, report.windows,
        report.seconds, 1000 * report.seconds / report.performed);
    std::printf("presses: %d factors, %d red warnings, %d messages, %d on a disabled button\n", tally.factors,
        tally.warnings, tally.messages, tally.disabled);
    const bool everyOutcome = tally.reachedEveryOutcome();
    if (!everyOutcome)
        std::printf("FAIL: the session did not reach every outcome of a press\n");
    std::printf("%d passed, %d failed\n", everyOutcome ? 1 : 0, everyOutcome ? 0 : 1);
    return everyOutcome ? 0 : 1;
}
