#pragma once

#include "app/calculator/control_table.h"
#include "app/calculator/form1.h"
#include "common/colours.h"
#include "common/number_format.h"
#include "common/purpose_table.h"
#include "common/safety_check.h"
#include "standard/check.h"
#include "standard/lookup.h"
#include "tests/support/form_seam.h"
#include "traditional/check.h"
#include "traditional/lookup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A user session as a list of actions that can be played on a fresh window, checked after
// every action against what the rope tables and the checks say about what is on screen, and
// cut down to the fewest actions that still go wrong. Nothing here knows a toolkit, so that any
// front end's session can use it: a driver plays the actions on the window's model, on the Qt
// widgets or on the Win32 controls and reads back a Screen. Text is UTF-8 throughout.
namespace session {

using app::testing::numbers;

enum class Verb {
    Click, // mouse click on an option button
    Pick, // an item picked from a closed list with the arrow keys
    PopupPick, // an item picked from the opened list with the keyboard
    Type, // keys typed where the cursor stands
    Retype, // select all, then keys typed over it
    Paste, // select all, then the clipboard pasted over it
    Clear, // select all, then Delete
    Enter, // the Enter key in a box or a list's edit field
    Undo, // Ctrl+Z in a box or a list's edit field
    Press, // mouse click on a "计  算" button
    // Only in sessions on the system's own controls, which take them key by key:
    ClickLabel, // mouse click on a label, which takes no input
    MousePick, // the list opened by its arrow and the item clicked
    Cancel, // the list opened, `row` arrow keys pressed in it, and closed by Esc: no pick
    Keys, // editing keys inside a box or a list's field, from its end
};

// An editing key inside a field; Type and Paste carry a text.
enum class Key { Home, End, Left, Right, ShiftLeft, ShiftRight, ShiftHome, Backspace, Delete, Type, Paste };

struct Keystroke {
    Key key = Key::End;
    std::string text;
};

struct Action {
    Verb verb = Verb::Click;
    int number = 0; // OptionN, ComboN, CommandN or LabelN; for the typing verbs TextN, or ComboN when `list`
    bool list = false;
    int row = 0; // the item to pick
    std::string text; // what is typed or pasted
    // On the system's controls: how a list opens (F4, Alt+Down, its arrow) or a message box
    // closes (Enter, its button); and the keys of Keys.
    int how = 0;
    std::vector<Keystroke> keys;
};

// The field an editing action works in, and the text the user leaves there told to the window.
inline app::Ref fieldOf(const Action &action)
{
    return action.list ? app::Ref(app::combo(action.number)) : app::text(action.number);
}
inline void typeInto(app::Form1 &form, const Action &action, std::string_view text)
{
    if (action.list)
        form.type(app::combo(action.number), text);
    else
        form.type(app::text(action.number), text);
}

inline Action click(int option)
{
    return { Verb::Click, option, false, 0, {}, 0, {} };
}
inline Action pick(int list, int row, Verb verb = Verb::Pick)
{
    return { verb, list, false, row, {}, 0, {} };
}
inline Action press(int command)
{
    return { Verb::Press, command, false, 0, {}, 0, {} };
}
// Into TextN, or into ComboN's edit field when `list`.
inline Action edit(Verb verb, int number, bool list, std::string text = {})
{
    return { verb, number, list, 0, std::move(text), 0, {} };
}

// "200", "a\tb", or for a long text its length in characters and its first 24 of them.
inline std::string inQuotes(std::string_view text)
{
    constexpr std::size_t kShown = 24;
    const auto startsCharacter = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; };
    std::size_t characters = 0;
    std::size_t cut = text.size();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (startsCharacter(text[i]) && characters++ == kShown)
            cut = i;
    std::string shown;
    for (const char byte : text.substr(0, cut)) {
        if (byte == '\t')
            shown += "\\t";
        else
            shown += byte;
    }
    if (characters > kShown)
        return std::to_string(characters) + " characters \"" + shown + "…\"";
    return '"' + shown + '"';
}

inline constexpr std::size_t kTexts = app::highestNumber(app::Kind::Text) + 1;
inline constexpr std::size_t kLists = app::highestNumber(app::Kind::Combo) + 1;
inline constexpr std::size_t kOptions = app::highestNumber(app::Kind::Option) + 1;
inline constexpr std::size_t kCommands = app::highestNumber(app::Kind::Command) + 1;

// The items of ComboN, as the person picking it sees them.
inline const std::vector<std::string_view> &itemsOfList(int list)
{
    static const std::array<std::vector<std::string_view>, kLists> items = [] {
        std::array<std::vector<std::string_view>, kLists> all;
        for (std::size_t n = 1; n < kLists; ++n)
            all[n] = app::itemsOf(app::combo(int(n)));
        return all;
    }();
    return items.at(std::size_t(list));
}
inline int itemCount(int list)
{
    return int(itemsOfList(list).size());
}
// Empty past the list's end.
inline std::string_view itemText(int list, int row)
{
    const std::vector<std::string_view> &items = itemsOfList(list);
    return row >= 0 && row < int(items.size()) ? items[std::size_t(row)] : std::string_view {};
}

// One line a person can follow by hand: "click Option14", "pick Combo6 row 3 (φ6)".
// "End, Shift+Left, type "5", Backspace".
inline std::string describe(const std::vector<Keystroke> &keys)
{
    static constexpr std::array<std::string_view, 11> kNames { "Home", "End", "Left", "Right", "Shift+Left",
        "Shift+Right", "Shift+Home", "Backspace", "Delete", "type", "paste" };
    std::string all;
    for (const Keystroke &stroke : keys) {
        all += all.empty() ? "" : ", ";
        all += kNames.at(std::size_t(stroke.key));
        if (stroke.key == Key::Type || stroke.key == Key::Paste)
            all += ' ' + inQuotes(stroke.text);
    }
    return all;
}

inline std::string describe(const Action &action)
{
    const std::string number = std::to_string(action.number);
    const std::string field = (action.list ? "Combo" : "Text") + number;
    const auto item = [&action, &number] {
        return "Combo" + number + " row " + std::to_string(action.row) + " ("
            + std::string(itemText(action.number, action.row)) + ")";
    };
    switch (action.verb) {
    case Verb::Click:
        return "click Option" + number;
    case Verb::Pick:
        return "pick " + item() + " by arrow keys";
    case Verb::PopupPick:
        return "pick " + item() + " from the opened list";
    case Verb::Type:
        return "type " + inQuotes(action.text) + " into " + field;
    case Verb::Retype:
        return "select all in " + field + " and type " + inQuotes(action.text);
    case Verb::Paste:
        return "select all in " + field + " and paste " + inQuotes(action.text);
    case Verb::Clear:
        return "clear " + field;
    case Verb::Enter:
        return "press Enter in " + field;
    case Verb::Undo:
        return "undo in " + field;
    case Verb::Press:
        return "press Command" + number + (action.how == 0 ? "" : ", the message closed by its button");
    case Verb::ClickLabel:
        return "click Label" + number;
    case Verb::MousePick:
        return "pick " + item() + " from the list opened by its arrow";
    case Verb::Cancel:
        return "open Combo" + number
            + (action.how == 0        ? " by F4"
                    : action.how == 1 ? " by Alt+Down"
                                      : " by its arrow")
            + ", press Down " + std::to_string(action.row) + " times and Esc";
    case Verb::Keys:
        return "press " + describe(action.keys) + " in " + field;
    }
    return {};
}

// What went wrong: the rule broken, and what the window showed against what it should.
struct Failure {
    std::string rule;
    std::string detail;
};

// Removes chunks of actions, then single actions, for as long as what is left still fails.
// Gives up refining at the deadline and returns the shortest failing list found by then.
template <typename T, typename StillFails>
std::vector<T> shrink(
    std::vector<T> items, const StillFails &stillFails, std::chrono::steady_clock::time_point deadline)
{
    for (std::size_t chunk = std::max<std::size_t>(items.size() / 2, 1);;
         chunk = std::max<std::size_t>(chunk / 2, 1)) {
        bool removed = false;
        for (std::size_t start = 0; start < items.size() && items.size() > 1;) {
            if (std::chrono::steady_clock::now() > deadline)
                return items;
            std::vector<T> candidate(items.begin(), items.begin() + std::ptrdiff_t(start));
            candidate.insert(candidate.end(),
                items.begin() + std::ptrdiff_t(std::min(start + chunk, items.size())), items.end());
            if (stillFails(candidate)) {
                items = std::move(candidate);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !removed)
            return items;
    }
}

// Everything on screen that the rules and the generator talk about, indexed by the control's
// number (index 0 unused). A background is empty while the box has the toolkit's default colour.
struct Screen {
    std::array<std::string, kTexts> texts;
    std::array<std::optional<common::Rgb>, kTexts> backgrounds;
    std::array<std::string, kLists> lists; // the edit fields
    std::array<int, kLists> picked {}; // the item picked; -1 for none
    std::array<bool, kLists> listEnabled {};
    std::array<bool, kOptions> selected {};
    std::array<bool, kOptions> optionEnabled {};
    std::array<bool, kCommands> commandEnabled {};
    bool operator==(const Screen &) const = default;
};

// What the window's model holds, as a front end that mirrors it shows it. Reuses the strings'
// storage, as the model session reads the screen a million times.
inline void read(const app::Form1 &form, Screen &into)
{
    for (std::size_t n = 1; n < kTexts; ++n) {
        const app::ControlState &box = form.state(app::text(int(n)));
        into.texts[n] = box.text;
        into.backgrounds[n] = box.background;
    }
    for (std::size_t n = 1; n < kLists; ++n) {
        const app::ControlState &list = form.state(app::combo(int(n)));
        into.lists[n] = list.text;
        into.picked[n] = list.item;
        into.listEnabled[n] = list.enabled;
    }
    for (std::size_t n = 1; n < kOptions; ++n) {
        const app::ControlState &option = form.state(app::option(int(n)));
        into.selected[n] = option.checked;
        into.optionEnabled[n] = option.enabled;
    }
    for (std::size_t n = 1; n < kCommands; ++n)
        into.commandEnabled[n] = form.state(app::command(int(n))).enabled;
}
inline Screen screenOf(const app::Form1 &form)
{
    Screen shown;
    read(form, shown);
    return shown;
}

inline std::string shown(const std::string &text)
{
    return inQuotes(text);
}
inline std::string shown(const std::optional<common::Rgb> &colour)
{
    return colour ? "rgb(" + std::to_string(colour->red) + ',' + std::to_string(colour->green) + ','
            + std::to_string(colour->blue) + ')'
                  : "the default colour";
}
inline std::string shown(int number)
{
    return std::to_string(number);
}
inline std::string shown(bool flag)
{
    return flag ? "yes" : "no";
}

// The first control where `a` differs from `b`, as "Text6: "9" against "8.5"".
inline std::string difference(const Screen &a, const Screen &b)
{
    std::string found;
    const auto compare = [&found](std::string_view what, const auto &x, const auto &y) {
        for (std::size_t n = 1; n < x.size() && found.empty(); ++n)
            if (x[n] != y[n])
                found
                    = std::string(what) + std::to_string(n) + ": " + shown(x[n]) + " against " + shown(y[n]);
    };
    compare("Text", a.texts, b.texts);
    compare("background of Text", a.backgrounds, b.backgrounds);
    compare("field of Combo", a.lists, b.lists);
    compare("item picked in Combo", a.picked, b.picked);
    compare("enabled Combo", a.listEnabled, b.listEnabled);
    compare("selected Option", a.selected, b.selected);
    compare("enabled Option", a.optionEnabled, b.optionEnabled);
    compare("enabled Command", a.commandEnabled, b.commandEnabled);
    return found;
}

// Written out here rather than taken from the window, so that a wrong constant there shows.
inline constexpr std::string_view kTooWeak = "重选钢丝绳";
inline constexpr common::Rgb kWhite { 255, 255, 255 };
inline constexpr common::Rgb kRed { 255, 0, 0 };

// The position within `group` of its selected button, as the type the checks take.
template <typename T, std::size_t N>
std::optional<T> choiceIn(const Screen &screen, const std::array<int, N> &group)
{
    for (std::size_t k = 0; k < N; ++k)
        if (screen.selected.at(std::size_t(group[k])))
            return T(k);
    return std::nullopt;
}

// What each "计  算" would say about the screen.
inline common::Verdict traditionalVerdict(const Screen &screen)
{
    return traditional::check(screen.texts[app::kTraditionalBreaking.number],
        screen.texts[app::kTraditionalForce.number], screen.lists[app::kTraditionalPurpose.number]);
}
inline common::Verdict standardVerdict(const Screen &screen)
{
    const standard::Choices choices { choiceIn<standard::RopeClass>(
                                          screen, numbers(app::kStandardClassOptions)),
        choiceIn<standard::Core>(screen, numbers(app::kCoreOptions)),
        choiceIn<standard::WorkType>(screen, numbers(app::kWorkOptions)) };
    return standard::check(screen.texts[app::kFibreBreaking.number], screen.texts[app::kSteelBreaking.number],
        screen.texts[app::kStandardForce.number], screen.lists[app::kStandardPurpose.number], choices);
}

// Whether anything a check reads, boxes or buttons, differs between the two screens.
inline bool traditionalInputsDiffer(const Screen &a, const Screen &b)
{
    return a.texts[app::kTraditionalBreaking.number] != b.texts[app::kTraditionalBreaking.number]
        || a.texts[app::kTraditionalForce.number] != b.texts[app::kTraditionalForce.number]
        || a.lists[app::kTraditionalPurpose.number] != b.lists[app::kTraditionalPurpose.number];
}
inline bool standardInputsDiffer(const Screen &a, const Screen &b)
{
    for (int n : { app::kFibreBreaking.number, app::kSteelBreaking.number, app::kStandardForce.number })
        if (a.texts.at(std::size_t(n)) != b.texts.at(std::size_t(n)))
            return true;
    for (const app::OptionButton option :
        app::joined(app::joined(app::kStandardClassOptions, app::kCoreOptions), app::kWorkOptions))
        if (a.selected.at(std::size_t(option.number)) != b.selected.at(std::size_t(option.number)))
            return true;
    return a.lists[app::kStandardPurpose.number] != b.lists[app::kStandardPurpose.number];
}

// How the presses of a session ended, to show that it reached every outcome.
struct Tally {
    int factors = 0;
    int warnings = 0;
    int messages = 0;
    int disabled = 0;
    // A session that never reaches a result would prove little about results.
    bool reachedEveryOutcome() const { return factors > 0 && warnings > 0 && messages > 0 && disabled > 0; }
};

// The rules of a session, told each action with the screens before and after it and the
// messages it showed. It keeps what the screens do not show: the diameter last picked in each
// method, and whether an input of each check changed since its last press.
class Checker {
public:
    explicit Checker(Tally *tally = nullptr)
        : m_tally(tally)
    {
    }

    std::optional<Failure> check(const Action &action, const Screen &before, const Screen &after,
        std::span<const std::string> messages)
    {
        if (action.verb == Verb::Press) {
            if (std::optional<Failure> failure = checkPress(action.number, before, after, messages))
                return failure;
        } else if (!messages.empty()) {
            return Failure { "message without a press", joined(messages) };
        }
        if (action.verb == Verb::Pick || action.verb == Verb::PopupPick || action.verb == Verb::MousePick)
            if (std::optional<Failure> failure = notePick(action, before, after))
                return failure;
        return check(before, after);
    }

    // The rules that hold on any screen, given the one before it.
    std::optional<Failure> check(const Screen &before, const Screen &now)
    {
        m_traditionalChanged = m_traditionalChanged || traditionalInputsDiffer(before, now);
        m_standardChanged = m_standardChanged || standardInputsDiffer(before, now);
        if (std::optional<Failure> failure = checkTraditionalReadouts(now))
            return failure;
        if (std::optional<Failure> failure = checkStandardReadouts(now))
            return failure;
        if (std::optional<Failure> failure
            = checkResult(now, app::kTraditionalResult.number, m_traditionalChanged))
            return failure;
        return checkResult(now, app::kStandardResult.number, m_standardChanged);
    }

private:
    // A pick the test itself made: the list and the row.
    struct Picked {
        int list;
        int row;
    };

    static std::string joined(std::span<const std::string> texts)
    {
        std::string all;
        for (std::size_t i = 0; i < texts.size(); ++i)
            all += (i > 0 ? "|" : "") + texts[i];
        return all;
    }

    // An enabled list takes the row asked for and shows its text.
    std::optional<Failure> notePick(const Action &action, const Screen &before, const Screen &after)
    {
        const auto list = std::size_t(action.number);
        const std::string_view item = itemText(action.number, action.row);
        if (!before.listEnabled.at(list) || item.empty())
            return std::nullopt;
        if (after.picked.at(list) != action.row || after.lists.at(list) != item)
            return Failure { "pick",
                "Combo" + std::to_string(action.number) + " shows row "
                    + std::to_string(after.picked.at(list)) + " (" + inQuotes(after.lists.at(list))
                    + ") where row " + std::to_string(action.row) + " (" + std::string(item)
                    + ") was picked" };
        if (app::rankIn(app::kTraditionalDiameterLists, app::combo(action.number)))
            m_traditionalPick = Picked { action.number, action.row };
        else if (app::rankIn(app::kStandardDiameterLists, app::combo(action.number)))
            m_standardPick = Picked { action.number, action.row };
        return std::nullopt;
    }

    // A press shows exactly the message the check gives for the boxes as they were, and changes
    // nothing; or it writes the result box only. A disabled button does nothing at all.
    std::optional<Failure> checkPress(
        int button, const Screen &before, const Screen &after, std::span<const std::string> messages)
    {
        const bool traditional = button == app::kTraditionalCommand.number;
        const auto result
            = std::size_t(traditional ? app::kTraditionalResult.number : app::kStandardResult.number);
        const bool enabled = before.commandEnabled.at(std::size_t(button));
        const common::Verdict verdict = traditional ? traditionalVerdict(before) : standardVerdict(before);
        Screen expected = before;
        std::vector<std::string> expectedMessages;
        if (!enabled) {
            // nothing happens
        } else if (const auto *message = std::get_if<common::Message>(&verdict)) {
            expectedMessages.emplace_back(message->text);
        } else if (const auto *passed = std::get_if<common::Passed>(&verdict)) {
            expected.texts[result]
                = (traditional ? common::formatGeneral : common::formatTwoDecimals)(passed->factor);
        } else {
            expected.texts[result] = kTooWeak;
            expected.backgrounds[result] = kRed;
        }
        if (!std::ranges::equal(messages, expectedMessages))
            return Failure { "press",
                "messages shown [" + joined(messages) + "], expected [" + joined(expectedMessages) + "]" };
        if (after != expected)
            return Failure { "press",
                "the press changed more than its result, or wrote it wrong: " + difference(after, expected) };
        if (enabled)
            (traditional ? m_traditionalChanged : m_standardChanged) = false;
        if (m_tally) {
            if (!enabled)
                ++m_tally->disabled;
            else if (!expectedMessages.empty())
                ++m_tally->messages;
            else if (std::holds_alternative<common::Passed>(verdict))
                ++m_tally->factors;
            else
                ++m_tally->warnings;
        }
        return std::nullopt;
    }

    // A read-out that is not empty shows the table's value for the grade selected now and the
    // diameter last picked, as the lookup gives it ("无此型号" included).
    template <std::size_t N>
    static std::optional<Failure> compareReadouts(const Screen &now, const std::array<int, N> &boxes,
        const std::array<std::string, N> &expected, const std::string &pick)
    {
        for (std::size_t i = 0; i < N; ++i) {
            const std::string &shownText = now.texts.at(std::size_t(boxes[i]));
            if (!shownText.empty() && shownText != expected[i])
                return Failure { "read-out",
                    "Text" + std::to_string(boxes[i]) + " shows " + inQuotes(shownText) + " where " + pick
                        + " picked with the buttons on screen gives "
                        + (expected[i].empty() ? std::string("nothing") : inQuotes(expected[i])) };
        }
        return std::nullopt;
    }

    template <std::size_t N> static bool allEmpty(const Screen &now, const std::array<int, N> &boxes)
    {
        return std::all_of(
            boxes.begin(), boxes.end(), [&now](int n) { return now.texts.at(std::size_t(n)).empty(); });
    }

    // Once a class is chosen, only a pick from its own list can show read-outs: those of the
    // other method, and of a list picked before the class, are gone.
    static bool belongsToClassOnScreen(const Screen &now, const Picked &pick)
    {
        const auto traditionalClass = choiceIn<std::size_t>(now, numbers(app::kTraditionalClassOptions));
        const auto standardClass = choiceIn<std::size_t>(now, numbers(app::kStandardClassOptions));
        if (traditionalClass)
            return pick.list == numbers(app::kTraditionalDiameterLists).at(*traditionalClass);
        return !standardClass || pick.list == numbers(app::kStandardDiameterLists).at(*standardClass);
    }

    static std::string described(const Picked &pick)
    {
        return "Combo" + std::to_string(pick.list) + " row " + std::to_string(pick.row);
    }

    std::optional<Failure> checkTraditionalReadouts(const Screen &now) const
    {
        if (allEmpty(now, numbers(app::kTraditionalReadouts)))
            return std::nullopt;
        std::array<std::string, numbers(app::kTraditionalReadouts).size()> expected;
        if (!m_traditionalPick || !belongsToClassOnScreen(now, *m_traditionalPick))
            return compareReadouts(now, numbers(app::kTraditionalReadouts), expected, "no diameter");
        const auto ropeClass = traditional::RopeClass(
            *app::rankIn(app::kTraditionalDiameterLists, app::combo(m_traditionalPick->list)));
        const std::optional<traditional::Readouts> shownNow
            = traditional::lookup(ropeClass, m_traditionalPick->row,
                choiceIn<traditional::Grade>(now, numbers(app::kTraditionalGradeOptions)));
        if (shownNow) {
            expected = { shownNow->area, shownNow->weight,
                shownNow->forces ? shownNow->forces->total : std::string(),
                shownNow->forces ? shownNow->forces->rope : std::string() };
        }
        return compareReadouts(
            now, numbers(app::kTraditionalReadouts), expected, described(*m_traditionalPick));
    }

    std::optional<Failure> checkStandardReadouts(const Screen &now) const
    {
        if (allEmpty(now, numbers(app::kStandardReadouts)))
            return std::nullopt;
        std::array<std::string, numbers(app::kStandardReadouts).size()> expected;
        if (!m_standardPick || !belongsToClassOnScreen(now, *m_standardPick))
            return compareReadouts(now, numbers(app::kStandardReadouts), expected, "no diameter");
        const auto ropeClass = standard::RopeClass(
            *app::rankIn(app::kStandardDiameterLists, app::combo(m_standardPick->list)));
        const standard::Readouts shownNow = standard::lookup(ropeClass, m_standardPick->row,
            choiceIn<standard::Core>(now, numbers(app::kCoreOptions)),
            choiceIn<standard::Grade>(now, numbers(app::kStandardGradeOptions)));
        expected = { shownNow.naturalFibreWeight.value_or(std::string()),
            shownNow.syntheticFibreWeight.value_or(std::string()),
            shownNow.steelWeight.value_or(std::string()), shownNow.fibreBreaking.value_or(std::string()),
            shownNow.steelBreaking.value_or(std::string()) };
        return compareReadouts(now, numbers(app::kStandardReadouts), expected, described(*m_standardPick));
    }

    // A result box is empty on white, a number on white or "重选钢丝绳" on red; what it shows is
    // what a press would show now, and it is empty once an input of its check has changed. Until
    // the window first colours it, a box's default colour counts as white.
    static std::optional<Failure> checkResult(const Screen &now, int box, bool inputChanged)
    {
        const std::string &text = now.texts.at(std::size_t(box));
        const std::optional<common::Rgb> &colour = now.backgrounds.at(std::size_t(box));
        const bool white = !colour || *colour == kWhite;
        const auto failure = [&](const std::string &what) {
            return Failure { "result",
                "Text" + std::to_string(box) + " shows " + inQuotes(text) + " on " + shown(colour) + ": "
                    + what };
        };
        if (text.empty())
            return white ? std::nullopt : std::optional(failure("an empty result is white"));
        if (inputChanged)
            return failure("an input of its check changed since the last press");
        const bool traditional = box == app::kTraditionalResult.number;
        const common::Verdict verdict = traditional ? traditionalVerdict(now) : standardVerdict(now);
        if (text == kTooWeak) {
            if (colour != kRed)
                return failure("the warning is on red");
            if (!std::holds_alternative<common::TooWeak>(verdict))
                return failure("a press now would not warn");
            return std::nullopt;
        }
        if (!white)
            return failure("a factor is on white");
        const auto *passed = std::get_if<common::Passed>(&verdict);
        const std::string due = passed
            ? (traditional ? common::formatGeneral : common::formatTwoDecimals)(passed->factor)
            : std::string();
        if (!passed || due != text)
            return failure("a press now would show " + (passed ? inQuotes(due) : std::string("no factor")));
        return std::nullopt;
    }

    Tally *m_tally;
    std::optional<Picked> m_traditionalPick;
    std::optional<Picked> m_standardPick;
    bool m_traditionalChanged = false;
    bool m_standardChanged = false;
};

// Random actions of every kind a person may do, with what they type drawn from numbers,
// purposes, the texts people paste and plain junk.
class Generator {
public:
    // On the system's own controls the session also clicks labels, picks with the mouse,
    // closes opened lists without a pick and presses editing keys; it undoes nothing, as an edit
    // control's undo is its own and not the model's.
    explicit Generator(std::uint64_t seed, bool systemControls = false)
        : m_random(seed)
        , m_systemControls(systemControls)
    {
    }

    // Picks only from lists that are enabled and hold items, as a person can.
    Action next(const Screen &screen)
    {
        const int roll = below(100);
        if (roll < 22) {
            if (m_systemControls && below(10) == 0)
                return { Verb::ClickLabel, 1 + below(app::highestNumber(app::Kind::Label)), false, 0, {}, 0,
                    {} };
            return click(1 + below(int(kOptions) - 1));
        }
        if (roll < 54) {
            // A diameter list more often than a purpose list: most picks are of a rope.
            std::vector<int> enabled;
            const bool diameter = below(10) < 7;
            for (int n = 1; n < int(kLists); ++n)
                if (screen.listEnabled.at(std::size_t(n)) && itemCount(n) > 0 && isPurposeList(n) != diameter)
                    enabled.push_back(n);
            if (enabled.empty())
                enabled = { app::kTraditionalPurpose.number, app::kStandardPurpose.number };
            const int list = enabled.at(std::size_t(below(int(enabled.size()))));
            if (m_systemControls)
                return systemPick(list);
            const Verb verb = below(100) == 0 ? Verb::PopupPick : Verb::Pick;
            return pick(list, below(itemCount(list)), verb);
        }
        if (roll < 86) {
            auto [number, list] = field();
            const int how = below(100);
            if (how < 12)
                return edit(Verb::Clear, number, list);
            if (how < 14)
                return edit(Verb::Paste, number, list, longText());
            if (how < 17)
                return edit(Verb::Enter, number, list);
            if (how < 20)
                return m_systemControls ? keys(number, list) : edit(Verb::Undo, number, list);
            return edit(how < 60 ? Verb::Retype : Verb::Type, number, list, shortText(!list));
        }
        // Mostly the button that is enabled, as a person would; now and then the greyed one.
        const int enabled = screen.commandEnabled[app::kTraditionalCommand.number]
            ? app::kTraditionalCommand.number
            : app::kStandardCommand.number;
        const int other = enabled == app::kTraditionalCommand.number ? app::kStandardCommand.number
                                                                     : app::kTraditionalCommand.number;
        Action pressed = press(below(5) == 0 ? other : enabled);
        if (m_systemControls)
            pressed.how = below(2);
        return pressed;
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // By the arrow keys on the closed list, from the list opened by F4 or Alt+Down, with the
    // mouse, or no pick at all.
    Action systemPick(int list)
    {
        const int roll = below(100);
        Action action = pick(list, below(itemCount(list)),
            roll < 35       ? Verb::Pick
                : roll < 60 ? Verb::PopupPick
                : roll < 85 ? Verb::MousePick
                            : Verb::Cancel);
        action.how = below(action.verb == Verb::Cancel ? 3 : 2);
        if (action.verb == Verb::Cancel)
            action.row = below(4);
        return action;
    }

    // A few keys from the field's end: moving, selecting, deleting, typing and pasting. A plain
    // arrow key follows no selection, as edit controls differ on where it leaves the caret.
    Action keys(int number, bool list)
    {
        Action action = edit(Verb::Keys, number, list);
        bool selected = false;
        for (int count = 1 + below(6); count > 0; --count) {
            const Key key = Key(below(int(Key::Paste) + 1));
            if (selected && (key == Key::Left || key == Key::Right)) {
                ++count;
                continue;
            }
            Keystroke stroke { key, {} };
            if (key == Key::Type)
                stroke.text = shortText(!list);
            else if (key == Key::Paste)
                stroke.text = below(4) == 0 ? longText() : shortText(!list);
            if (key == Key::ShiftLeft || key == Key::ShiftRight || key == Key::ShiftHome)
                selected = true;
            else if (key != Key::Type || stroke.text.find_first_not_of('\t') != std::string::npos)
                selected = false; // a typed tab is not taken, and leaves the selection
            action.keys.push_back(std::move(stroke));
        }
        return action;
    }

    static bool isPurposeList(int n)
    {
        return n == app::kTraditionalPurpose.number || n == app::kStandardPurpose.number;
    }

    // Mostly the force boxes and purpose lists; now and then a diameter list's edit field.
    std::pair<int, bool> field()
    {
        const int roll = below(20);
        if (roll < 5)
            return { app::kTraditionalForce.number, false };
        if (roll < 10)
            return { app::kStandardForce.number, false };
        if (roll < 14)
            return { app::kTraditionalPurpose.number, true };
        if (roll < 18)
            return { app::kStandardPurpose.number, true };
        constexpr auto kTraditional = numbers(app::kTraditionalDiameterLists).size();
        const auto k = std::size_t(below(int(kTraditional + numbers(app::kStandardDiameterLists).size())));
        return { k < kTraditional ? numbers(app::kTraditionalDiameterLists).at(k)
                                  : numbers(app::kStandardDiameterLists).at(k - kTraditional),
            true };
    }

    // A force box gets a number more often than a list does.
    std::string shortText(bool force)
    {
        static constexpr std::array<std::string_view, 41> kOdd { "1e999", "-1e999", "inf", "nan", "-0",
            "1e-320", "２０００", "2000kg", "2,000", "3,5", "-200", "+5", "0", "0.0", "1e5", "1E-3", " 12 ",
            "\t7", "12e", "e5", ".5", "5.", "0x10", "钢丝绳受力", "吨", "１２.５", "1 000", "2000 kg", "φ20",
            "4.9e-324", "1.7976931348623157e308", "-", ".", "+", "e", "00012", "1e+2", "1d3", "∞", "NaN",
            "Infinity" };
        static constexpr std::array<std::string_view, 25> kPieces { "0", "1", "2", "3", "5", "7", "9", ".",
            "-", "+", "e", "E", " ", ",", "kg", "钢", "绳", "２", "０", "φ", "(", ")", "\t", "吨", "10" };
        const int roll = below(100);
        if (roll < (force ? 60 : 40))
            return number();
        if (roll < 55)
            return std::string(common::kPurposes.at(std::size_t(below(int(common::kPurposes.size())))).text);
        if (roll < 75)
            return std::string(kOdd.at(std::size_t(below(int(kOdd.size())))));
        std::string junk;
        for (int i = 1 + below(8); i > 0; --i)
            junk += kPieces.at(std::size_t(below(int(kPieces.size()))));
        return junk;
    }

    // A force or factor a person might enter: whole or with decimals, now and then tiny or huge.
    std::string number()
    {
        const int roll = below(10);
        if (roll < 5)
            return std::to_string(1 + below(5000));
        if (roll < 8) {
            const int cents = below(100000);
            return std::to_string(cents / 100) + '.' + char('0' + cents / 10 % 10) + char('0' + cents % 10);
        }
        if (roll < 9)
            return std::to_string(below(20));
        const int digit = 1 + below(9);
        const int exponent = below(700) - 350;
        return std::to_string(digit) + 'e' + std::to_string(exponent);
    }

    // Thousands of characters, as from a careless paste.
    std::string longText()
    {
        static constexpr std::array<std::string_view, 9> kUnits { "9", "0", "1", "钢丝绳", "２", "1e", ".",
            " ", "-" };
        const int count = 500 + below(5000);
        const int roll = below(4);
        if (roll == 0)
            return '1' + std::string(std::size_t(count), '0');
        if (roll == 1)
            return "0." + std::string(std::size_t(count), '0') + '1';
        const std::string_view unit = kUnits.at(std::size_t(below(int(kUnits.size()))));
        std::string text;
        for (int i = count / 3 + 1; i > 0; --i)
            text += unit;
        return text;
    }

    std::mt19937_64 m_random;
    bool m_systemControls;
};

// The model with the inputs a front end reports for each action: a selection, a pick, the
// field's whole new text, or a press. Enter changes no text. Undo gives back the text before
// the field's last edit while the field still holds what that edit left, one step only; once
// the window has written the field there is nothing to undo. A front end's session can play the
// same actions on it to know what its controls should show.
class ModelSession final : private app::View {
public:
    explicit ModelSession(Tally *tally = nullptr)
        : m_form(*this)
        , m_checker(tally)
        , m_shown(screenOf(m_form))
    {
    }
    ModelSession(const ModelSession &) = delete;
    ModelSession &operator=(const ModelSession &) = delete;

    bool ready() const { return true; }
    const Screen &screen() const { return m_shown; }
    app::Form1 &form() { return m_form; }

    std::optional<Failure> perform(const Action &action)
    {
        m_messages.clear();
        act(action);
        read(m_form, m_next);
        std::optional<Failure> failure = m_checker.check(action, m_shown, m_next, m_messages);
        std::swap(m_shown, m_next);
        return failure;
    }

    // The rules on the model as it is now, as after an action that did nothing.
    std::optional<Failure> check()
    {
        read(m_form, m_next);
        std::optional<Failure> failure = m_checker.check(m_shown, m_next);
        std::swap(m_shown, m_next);
        return failure;
    }

private:
    struct Edit {
        std::string before;
        std::string left;
    };

    void stateChanged(app::Ref) override { }
    void showMessage(std::string_view text) override { m_messages.emplace_back(text); }

    void act(const Action &action)
    {
        switch (action.verb) {
        case Verb::Click:
            m_form.select(app::option(action.number));
            return;
        case Verb::Pick:
        case Verb::PopupPick:
            m_form.pick(app::combo(action.number), action.row);
            return;
        case Verb::Press:
            m_form.press(app::command(action.number));
            return;
        case Verb::Enter:
            return;
        default:
            edit(action);
            return;
        }
    }

    void edit(const Action &action)
    {
        const app::Ref field = fieldOf(action);
        const auto type = [this, &action](std::string_view text) { typeInto(m_form, action, text); };
        const auto n = std::size_t(action.number);
        std::optional<Edit> &last = action.list ? m_listEdits.at(n) : m_textEdits.at(n);
        std::string before = m_form.state(field).text;
        if (action.verb == Verb::Undo) {
            if (last && last->left == before)
                type(last->before);
            last.reset();
            return;
        }
        if (action.verb == Verb::Type)
            type(before + action.text);
        else
            type(action.verb == Verb::Clear ? std::string() : action.text);
        if (m_form.state(field).text != before)
            last = Edit { std::move(before), m_form.state(field).text };
    }

    app::Form1 m_form;
    Checker m_checker;
    Screen m_shown;
    Screen m_next;
    std::vector<std::string> m_messages;
    std::array<std::optional<Edit>, kTexts> m_textEdits;
    std::array<std::optional<Edit>, kLists> m_listEdits;
};

// Rope 6×19＋1 φ6.2 at 140 kg/mm2 (breaking force 1700), force 200, "井架提升6": 8.5 shown.
inline const std::vector<Action> kShowing8_5 {
    click(1),
    click(5),
    pick(1, 0),
    edit(Verb::Retype, 5, false, "200"),
    edit(Verb::Retype, 5, true, "井架提升6"),
    press(1),
};

// A fault planted behind the window's back once it shows 8.5, with the rule that must catch it
// and a part of what it must say: the control ("Text1"), and the text or "red" put in it.
struct PlantedFault {
    std::string_view name;
    std::string_view control;
    std::string_view fault;
    std::string_view rule;
    std::string_view why;
};

inline constexpr std::array<PlantedFault, 6> kPlantedFaults { {
    { "area of another rope", "Text1", "99", "read-out", "Combo1 row 0" },
    { "a weight with no diameter picked", "Text9", "152", "read-out", "no diameter" },
    { "factor on red", "Text6", "red", "result", "factor is on white" },
    { "factor a press would not give", "Text6", "9", "result", "a press now would show \"8.5\"" },
    { "factor kept after the force changed", "Text5", "200 ", "result", "changed since the last press" },
    { "empty result on red", "Text13", "red", "result", "empty result is white" },
} };

// Plays the actions on a fresh window; the index of the first action after which a rule is
// broken, with what broke.
struct Outcome {
    std::size_t failedAt = 0;
    std::optional<Failure> failure;
};

// A driver plays actions on one fresh window: Driver(Tally *), ready(), screen() (as after the
// last action) and perform(action) (the action, then every rule).
template <typename Driver> Outcome play(std::span<const Action> actions)
{
    Driver window;
    if (!window.ready())
        return { 0, Failure { "window", "the window was never shown" } };
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (std::optional<Failure> failure = window.perform(actions[i]))
            return { i, failure };
    return {};
}

// The fewest actions on a fresh window that still break the same rule, as numbered lines.
template <typename Driver>
std::string shortestReproduction(
    const std::vector<Action> &actions, const std::string &rule, std::chrono::seconds time)
{
    const std::vector<Action> shortest = shrink(
        actions,
        [&rule](const std::vector<Action> &candidate) {
            const Outcome outcome = play<Driver>(candidate);
            return outcome.failure && outcome.failure->rule == rule;
        },
        std::chrono::steady_clock::now() + time);
    std::string report = std::to_string(shortest.size()) + " actions reproduce it on a fresh window:\n";
    for (std::size_t i = 0; i < shortest.size(); ++i)
        report += "  " + std::to_string(i + 1) + ". " + describe(shortest[i]) + '\n';
    const Outcome replayed = play<Driver>(shortest);
    return report
        + (replayed.failure
                ? "then the " + replayed.failure->rule + " rule breaks: " + replayed.failure->detail
                : std::string("(the replay did not fail again)"));
}

// ROPECALC_SEED and ROPECALC_ACTIONS choose another session.
struct Settings {
    std::uint64_t seed = 20261209;
    int actions = 0;
};

// A variable's value is taken only when it is a whole number, spaces around it aside: a seed
// in decimal, a count also in hex or octal as in C.
inline const char *afterSpaces(const char *text)
{
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}
inline std::optional<std::uint64_t> seedFromEnvironment()
{
    const char *text = std::getenv("ROPECALC_SEED");
    if (!text || *afterSpaces(text) == '-') // strtoull would wrap a negative seed round
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const unsigned long long seed = std::strtoull(text, &end, 10);
    if (end == text || errno == ERANGE || *afterSpaces(end) != '\0')
        return std::nullopt;
    return seed;
}
inline std::optional<int> actionsFromEnvironment()
{
    const char *text = std::getenv("ROPECALC_ACTIONS");
    if (!text)
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const long count = std::strtol(text, &end, 0);
    if (end == text || errno == ERANGE || *afterSpaces(end) != '\0' || !std::in_range<int>(count))
        return std::nullopt;
    return int(count);
}

inline Settings settingsFromEnvironment(int defaultActions)
{
    Settings settings;
    settings.seed = seedFromEnvironment().value_or(settings.seed);
    const std::optional<int> count = actionsFromEnvironment();
    settings.actions = count && *count > 0 ? *count : defaultActions;
    return settings;
}

struct Report {
    int performed = 0;
    int windows = 0;
    double seconds = 0;
    Tally tally;
    std::string failure; // empty when every rule held
};

// The actions are spread over windows opened one after another, each used for up to a few
// hundred actions, so that the window as it opens (every list enabled, nothing chosen) gets
// its share. A failure is reported with the fewest actions that still reproduce it.
template <typename Driver>
Report run(const Settings &settings, std::chrono::seconds shrinkTime, bool systemControls = false)
{
    Generator generator(settings.seed, systemControls);
    std::mt19937_64 lengths(settings.seed);
    Report report;
    const auto start = std::chrono::steady_clock::now();
    while (report.performed < settings.actions) {
        const int length = std::min(
            settings.actions - report.performed, std::uniform_int_distribution<int>(1, 400)(lengths));
        Driver window(&report.tally);
        ++report.windows;
        if (!window.ready()) {
            report.failure = "the window was never shown";
            return report;
        }
        std::vector<Action> done;
        for (int i = 0; i < length; ++i) {
            done.push_back(generator.next(window.screen()));
            ++report.performed;
            if (const std::optional<Failure> failure = window.perform(done.back())) {
                report.failure = "seed " + std::to_string(settings.seed) + ", window "
                    + std::to_string(report.windows) + ", action " + std::to_string(done.size())
                    + " broke the " + failure->rule + " rule: " + failure->detail + '\n'
                    + shortestReproduction<Driver>(done, failure->rule, shrinkTime);
                return report;
            }
        }
    }
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

} // namespace session
