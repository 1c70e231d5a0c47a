#pragma once

#include "app/control_table.h"
#include "app/form1.h"
#include "common/colours.h"
#include "common/number_format.h"
#include "common/purpose_table.h"
#include "common/safety_check.h"
#include "standard/check.h"
#include "standard/lookup.h"
#include "traditional/check.h"
#include "traditional/lookup.h"

#include <QString>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A user session as a list of actions that can be played on a fresh window, checked after
// every action against what the rope tables and the checks say about what is on screen, and
// cut down to the fewest actions that still go wrong. Nothing here knows a toolkit: a driver
// plays the actions on the window's model or on its widgets and reads back a Screen.
namespace session {

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
};

struct Action {
    Verb verb = Verb::Click;
    int number = 0; // OptionN, ComboN or CommandN; for the typing verbs TextN, or ComboN when `list`
    bool list = false;
    int row = 0; // the item to pick
    std::string text; // what is typed or pasted
};

inline Action click(int option)
{
    return { Verb::Click, option, false, 0, {} };
}
inline Action pick(int list, int row, Verb verb = Verb::Pick)
{
    return { verb, list, false, row, {} };
}
inline Action press(int command)
{
    return { Verb::Press, command, false, 0, {} };
}
// Into TextN, or into ComboN's edit field when `list`.
inline Action edit(Verb verb, int number, bool list, std::string text = {})
{
    return { verb, number, list, 0, std::move(text) };
}

inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline QString inQuotes(std::string_view text)
{
    constexpr qsizetype kShown = 24;
    const QString whole = qt(text);
    QString shown = whole.left(kShown);
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    if (whole.size() > kShown)
        return QStringLiteral("%1 characters \"%2…\"").arg(whole.size()).arg(shown);
    return QLatin1Char('"') + shown + QLatin1Char('"');
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
            all[n] = app::itemsOf(int(n));
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
inline QString describe(const Action &action)
{
    const QString field
        = (action.list ? QStringLiteral("Combo%1") : QStringLiteral("Text%1")).arg(action.number);
    const auto item = [&action] { return qt(itemText(action.number, action.row)); };
    switch (action.verb) {
    case Verb::Click:
        return QStringLiteral("click Option%1").arg(action.number);
    case Verb::Pick:
        return QStringLiteral("pick Combo%1 row %2 (%3) by arrow keys")
            .arg(action.number)
            .arg(action.row)
            .arg(item());
    case Verb::PopupPick:
        return QStringLiteral("pick Combo%1 row %2 (%3) from the opened list")
            .arg(action.number)
            .arg(action.row)
            .arg(item());
    case Verb::Type:
        return QStringLiteral("type %1 into %2").arg(inQuotes(action.text), field);
    case Verb::Retype:
        return QStringLiteral("select all in %2 and type %1").arg(inQuotes(action.text), field);
    case Verb::Paste:
        return QStringLiteral("select all in %2 and paste %1").arg(inQuotes(action.text), field);
    case Verb::Clear:
        return QStringLiteral("clear %1").arg(field);
    case Verb::Enter:
        return QStringLiteral("press Enter in %1").arg(field);
    case Verb::Undo:
        return QStringLiteral("undo in %1").arg(field);
    case Verb::Press:
        return QStringLiteral("press Command%1").arg(action.number);
    }
    return {};
}

// What went wrong: the rule broken, and what the window showed against what it should.
struct Failure {
    QString rule;
    QString detail;
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

inline QString shown(const std::string &text)
{
    return inQuotes(text);
}
inline QString shown(const std::optional<common::Rgb> &colour)
{
    return colour ? QStringLiteral("rgb(%1,%2,%3)").arg(colour->red).arg(colour->green).arg(colour->blue)
                  : QStringLiteral("the default colour");
}
inline QString shown(int number)
{
    return QString::number(number);
}
inline QString shown(bool flag)
{
    return flag ? QStringLiteral("yes") : QStringLiteral("no");
}

// The first control where `a` differs from `b`, as "Text6: "9" against "8.5"".
inline QString difference(const Screen &a, const Screen &b)
{
    QString found;
    const auto compare = [&found](const char *what, const auto &x, const auto &y) {
        for (std::size_t n = 1; n < x.size() && found.isEmpty(); ++n)
            if (x[n] != y[n])
                found = QStringLiteral("%1%2: %3 against %4")
                            .arg(QLatin1String(what))
                            .arg(n)
                            .arg(shown(x[n]), shown(y[n]));
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
    return traditional::check(screen.texts[app::kTraditionalBreaking], screen.texts[app::kTraditionalForce],
        screen.lists[app::kTraditionalPurpose]);
}
inline common::Verdict standardVerdict(const Screen &screen)
{
    const standard::Choices choices { choiceIn<standard::RopeClass>(screen, app::kStandardClassOptions),
        choiceIn<standard::Core>(screen, app::kCoreOptions),
        choiceIn<standard::WorkType>(screen, app::kWorkOptions) };
    return standard::check(screen.texts[app::kFibreBreaking], screen.texts[app::kSteelBreaking],
        screen.texts[app::kStandardForce], screen.lists[app::kStandardPurpose], choices);
}

// Whether anything a check reads, boxes or buttons, differs between the two screens.
inline bool traditionalInputsDiffer(const Screen &a, const Screen &b)
{
    return a.texts[app::kTraditionalBreaking] != b.texts[app::kTraditionalBreaking]
        || a.texts[app::kTraditionalForce] != b.texts[app::kTraditionalForce]
        || a.lists[app::kTraditionalPurpose] != b.lists[app::kTraditionalPurpose];
}
inline bool standardInputsDiffer(const Screen &a, const Screen &b)
{
    for (int n : { app::kFibreBreaking, app::kSteelBreaking, app::kStandardForce })
        if (a.texts.at(std::size_t(n)) != b.texts.at(std::size_t(n)))
            return true;
    for (const std::span<const int> group : { std::span<const int>(app::kStandardClassOptions),
             std::span<const int>(app::kCoreOptions), std::span<const int>(app::kWorkOptions) })
        for (int n : group)
            if (a.selected.at(std::size_t(n)) != b.selected.at(std::size_t(n)))
                return true;
    return a.lists[app::kStandardPurpose] != b.lists[app::kStandardPurpose];
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
            return Failure { QStringLiteral("message without a press"), joined(messages) };
        }
        if (action.verb == Verb::Pick || action.verb == Verb::PopupPick)
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
        if (std::optional<Failure> failure = checkResult(now, app::kTraditionalResult, m_traditionalChanged))
            return failure;
        return checkResult(now, app::kStandardResult, m_standardChanged);
    }

private:
    // A pick the test itself made: the list and the row.
    struct Picked {
        int list;
        int row;
    };

    static QString joined(std::span<const std::string> texts)
    {
        QStringList all;
        for (const std::string &text : texts)
            all << qt(text);
        return all.join(QLatin1Char('|'));
    }

    // An enabled list takes the row asked for and shows its text.
    std::optional<Failure> notePick(const Action &action, const Screen &before, const Screen &after)
    {
        const auto list = std::size_t(action.number);
        const std::string_view item = itemText(action.number, action.row);
        if (!before.listEnabled.at(list) || item.empty())
            return std::nullopt;
        if (after.picked.at(list) != action.row || after.lists.at(list) != item)
            return Failure { QStringLiteral("pick"),
                QStringLiteral("Combo%1 shows row %2 (%3) where row %4 (%5) was picked")
                    .arg(action.number)
                    .arg(after.picked.at(list))
                    .arg(inQuotes(after.lists.at(list)))
                    .arg(action.row)
                    .arg(qt(item)) };
        if (app::rankIn(app::kTraditionalDiameterLists, action.number))
            m_traditionalPick = Picked { action.number, action.row };
        else if (app::rankIn(app::kStandardDiameterLists, action.number))
            m_standardPick = Picked { action.number, action.row };
        return std::nullopt;
    }

    // A press shows exactly the message the check gives for the boxes as they were, and changes
    // nothing; or it writes the result box only. A disabled button does nothing at all.
    std::optional<Failure> checkPress(
        int button, const Screen &before, const Screen &after, std::span<const std::string> messages)
    {
        const bool traditional = button == app::kTraditionalCommand;
        const auto result = std::size_t(traditional ? app::kTraditionalResult : app::kStandardResult);
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
            return Failure { QStringLiteral("press"),
                QStringLiteral("messages shown [%1], expected [%2]")
                    .arg(joined(messages), joined(expectedMessages)) };
        if (after != expected)
            return Failure { QStringLiteral("press"),
                QStringLiteral("the press changed more than its result, or wrote it wrong: ")
                    + difference(after, expected) };
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
        const std::array<std::string, N> &expected, const QString &pick)
    {
        for (std::size_t i = 0; i < N; ++i) {
            const std::string &shownText = now.texts.at(std::size_t(boxes[i]));
            if (!shownText.empty() && shownText != expected[i])
                return Failure { QStringLiteral("read-out"),
                    QStringLiteral("Text%1 shows %2 where %3 picked with the buttons on screen gives %4")
                        .arg(boxes[i])
                        .arg(inQuotes(shownText), pick,
                            expected[i].empty() ? QStringLiteral("nothing") : inQuotes(expected[i])) };
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
        const auto traditionalClass = choiceIn<std::size_t>(now, app::kTraditionalClassOptions);
        const auto standardClass = choiceIn<std::size_t>(now, app::kStandardClassOptions);
        if (traditionalClass)
            return pick.list == app::kTraditionalDiameterLists.at(*traditionalClass);
        return !standardClass || pick.list == app::kStandardDiameterLists.at(*standardClass);
    }

    static QString described(const Picked &pick)
    {
        return QStringLiteral("Combo%1 row %2").arg(pick.list).arg(pick.row);
    }

    std::optional<Failure> checkTraditionalReadouts(const Screen &now) const
    {
        if (allEmpty(now, app::kTraditionalReadouts))
            return std::nullopt;
        std::array<std::string, app::kTraditionalReadouts.size()> expected;
        if (!m_traditionalPick || !belongsToClassOnScreen(now, *m_traditionalPick))
            return compareReadouts(now, app::kTraditionalReadouts, expected, QStringLiteral("no diameter"));
        const auto ropeClass
            = traditional::RopeClass(*app::rankIn(app::kTraditionalDiameterLists, m_traditionalPick->list));
        const std::optional<traditional::Readouts> shownNow = traditional::lookup(ropeClass,
            m_traditionalPick->row, choiceIn<traditional::Grade>(now, app::kTraditionalGradeOptions));
        if (shownNow) {
            expected = { shownNow->area, shownNow->weight,
                shownNow->forces ? shownNow->forces->total : std::string(),
                shownNow->forces ? shownNow->forces->rope : std::string() };
        }
        return compareReadouts(now, app::kTraditionalReadouts, expected, described(*m_traditionalPick));
    }

    std::optional<Failure> checkStandardReadouts(const Screen &now) const
    {
        if (allEmpty(now, app::kStandardReadouts))
            return std::nullopt;
        std::array<std::string, app::kStandardReadouts.size()> expected;
        if (!m_standardPick || !belongsToClassOnScreen(now, *m_standardPick))
            return compareReadouts(now, app::kStandardReadouts, expected, QStringLiteral("no diameter"));
        const auto ropeClass
            = standard::RopeClass(*app::rankIn(app::kStandardDiameterLists, m_standardPick->list));
        const standard::Readouts shownNow = standard::lookup(ropeClass, m_standardPick->row,
            choiceIn<standard::Core>(now, app::kCoreOptions),
            choiceIn<standard::Grade>(now, app::kStandardGradeOptions));
        expected = { shownNow.naturalFibreWeight.value_or(std::string()),
            shownNow.syntheticFibreWeight.value_or(std::string()),
            shownNow.steelWeight.value_or(std::string()), shownNow.fibreBreaking.value_or(std::string()),
            shownNow.steelBreaking.value_or(std::string()) };
        return compareReadouts(now, app::kStandardReadouts, expected, described(*m_standardPick));
    }

    // A result box is empty on white, a number on white or "重选钢丝绳" on red; what it shows is
    // what a press would show now, and it is empty once an input of its check has changed. Until
    // the window first colours it, a box's default colour counts as white.
    static std::optional<Failure> checkResult(const Screen &now, int box, bool inputChanged)
    {
        const std::string &text = now.texts.at(std::size_t(box));
        const std::optional<common::Rgb> &colour = now.backgrounds.at(std::size_t(box));
        const bool white = !colour || *colour == kWhite;
        const auto failure = [&](const QString &what) {
            return Failure {
                QStringLiteral("result"),
                QStringLiteral("Text%1 shows %2 on %3: %4").arg(box).arg(inQuotes(text), shown(colour), what)
            };
        };
        if (text.empty())
            return white ? std::nullopt : std::optional(failure(QStringLiteral("an empty result is white")));
        if (inputChanged)
            return failure(QStringLiteral("an input of its check changed since the last press"));
        const bool traditional = box == app::kTraditionalResult;
        const common::Verdict verdict = traditional ? traditionalVerdict(now) : standardVerdict(now);
        if (text == kTooWeak) {
            if (colour != kRed)
                return failure(QStringLiteral("the warning is on red"));
            if (!std::holds_alternative<common::TooWeak>(verdict))
                return failure(QStringLiteral("a press now would not warn"));
            return std::nullopt;
        }
        if (!white)
            return failure(QStringLiteral("a factor is on white"));
        const auto *passed = std::get_if<common::Passed>(&verdict);
        const std::string due = passed
            ? (traditional ? common::formatGeneral : common::formatTwoDecimals)(passed->factor)
            : std::string();
        if (!passed || due != text)
            return failure(QStringLiteral("a press now would show %1")
                               .arg(passed ? inQuotes(due) : QStringLiteral("no factor")));
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
    explicit Generator(std::uint64_t seed)
        : m_random(seed)
    {
    }

    // Picks only from lists that are enabled and hold items, as a person can.
    Action next(const Screen &screen)
    {
        const int roll = below(100);
        if (roll < 22)
            return click(1 + below(int(kOptions) - 1));
        if (roll < 54) {
            // A diameter list more often than a purpose list: most picks are of a rope.
            std::vector<int> enabled;
            const bool diameter = below(10) < 7;
            for (int n = 1; n < int(kLists); ++n)
                if (screen.listEnabled.at(std::size_t(n)) && itemCount(n) > 0 && isPurposeList(n) != diameter)
                    enabled.push_back(n);
            if (enabled.empty())
                enabled = { app::kTraditionalPurpose, app::kStandardPurpose };
            const int list = enabled.at(std::size_t(below(int(enabled.size()))));
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
                return edit(Verb::Undo, number, list);
            return edit(how < 60 ? Verb::Retype : Verb::Type, number, list, shortText(!list));
        }
        // Mostly the button that is enabled, as a person would; now and then the greyed one.
        const int enabled = screen.commandEnabled[app::kTraditionalCommand] ? app::kTraditionalCommand
                                                                            : app::kStandardCommand;
        const int other
            = enabled == app::kTraditionalCommand ? app::kStandardCommand : app::kTraditionalCommand;
        return press(below(5) == 0 ? other : enabled);
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    static bool isPurposeList(int n) { return n == app::kTraditionalPurpose || n == app::kStandardPurpose; }

    // Mostly the force boxes and purpose lists; now and then a diameter list's edit field.
    std::pair<int, bool> field()
    {
        const int roll = below(20);
        if (roll < 5)
            return { app::kTraditionalForce, false };
        if (roll < 10)
            return { app::kStandardForce, false };
        if (roll < 14)
            return { app::kTraditionalPurpose, true };
        if (roll < 18)
            return { app::kStandardPurpose, true };
        constexpr auto kTraditional = app::kTraditionalDiameterLists.size();
        const auto k = std::size_t(below(int(kTraditional + app::kStandardDiameterLists.size())));
        return { k < kTraditional ? app::kTraditionalDiameterLists.at(k)
                                  : app::kStandardDiameterLists.at(k - kTraditional),
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

// Faults planted behind the window's back once it shows 8.5, each with the rule that must
// catch it and a part of what it must say: the control ("Text1"), and the text or "red" put in it.
inline void addPlantedFaultRows()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("why");
    QTest::newRow("area of another rope") << "Text1"
                                          << "99"
                                          << "read-out"
                                          << "Combo1 row 0";
    QTest::newRow("a weight with no diameter picked") << "Text9"
                                                      << "152"
                                                      << "read-out"
                                                      << "no diameter";
    QTest::newRow("factor on red") << "Text6"
                                   << "red"
                                   << "result"
                                   << "factor is on white";
    QTest::newRow("factor a press would not give") << "Text6"
                                                   << "9"
                                                   << "result"
                                                   << "a press now would show \"8.5\"";
    QTest::newRow("factor kept after the force changed") << "Text5"
                                                         << "200 "
                                                         << "result"
                                                         << "changed since the last press";
    QTest::newRow("empty result on red") << "Text13"
                                         << "red"
                                         << "result"
                                         << "empty result is white";
}

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
        return { 0, Failure { QStringLiteral("window"), QStringLiteral("the window was never shown") } };
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (std::optional<Failure> failure = window.perform(actions[i]))
            return { i, failure };
    return {};
}

// The fewest actions on a fresh window that still break the same rule, as numbered lines.
template <typename Driver>
QString shortestReproduction(
    const std::vector<Action> &actions, const QString &rule, std::chrono::seconds time)
{
    const std::vector<Action> shortest = shrink(
        actions,
        [&rule](const std::vector<Action> &candidate) {
            const Outcome outcome = play<Driver>(candidate);
            return outcome.failure && outcome.failure->rule == rule;
        },
        std::chrono::steady_clock::now() + time);
    QString report = QStringLiteral("%1 actions reproduce it on a fresh window:\n").arg(shortest.size());
    for (std::size_t i = 0; i < shortest.size(); ++i)
        report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shortest[i]));
    const Outcome replayed = play<Driver>(shortest);
    return report
        + (replayed.failure ? QStringLiteral("then the %1 rule breaks: %2")
                                  .arg(replayed.failure->rule, replayed.failure->detail)
                            : QStringLiteral("(the replay did not fail again)"));
}

// ROPECALC_SEED and ROPECALC_ACTIONS choose another session.
struct Settings {
    std::uint64_t seed = 20261209;
    int actions = 0;
};

inline Settings settingsFromEnvironment(int defaultActions)
{
    Settings settings;
    bool ok = false;
    const std::uint64_t seed = qEnvironmentVariable("ROPECALC_SEED").toULongLong(&ok);
    if (ok)
        settings.seed = seed;
    const int count = qEnvironmentVariableIntValue("ROPECALC_ACTIONS", &ok);
    settings.actions = ok && count > 0 ? count : defaultActions;
    return settings;
}

struct Report {
    int performed = 0;
    int windows = 0;
    double seconds = 0;
    Tally tally;
    QString failure; // empty when every rule held
};

// The actions are spread over windows opened one after another, each used for up to a few
// hundred actions, so that the window as it opens (every list enabled, nothing chosen) gets
// its share. A failure is reported with the fewest actions that still reproduce it.
template <typename Driver> Report run(const Settings &settings, std::chrono::seconds shrinkTime)
{
    Generator generator(settings.seed);
    std::mt19937_64 lengths(settings.seed);
    Report report;
    const auto start = std::chrono::steady_clock::now();
    while (report.performed < settings.actions) {
        const int length = std::min(
            settings.actions - report.performed, std::uniform_int_distribution<int>(1, 400)(lengths));
        Driver window(&report.tally);
        ++report.windows;
        if (!window.ready()) {
            report.failure = QStringLiteral("the window was never shown");
            return report;
        }
        std::vector<Action> done;
        for (int i = 0; i < length; ++i) {
            done.push_back(generator.next(window.screen()));
            ++report.performed;
            if (const std::optional<Failure> failure = window.perform(done.back())) {
                report.failure = QStringLiteral("seed %1, window %2, action %3 broke the %4 rule: %5\n")
                                     .arg(settings.seed)
                                     .arg(report.windows)
                                     .arg(done.size())
                                     .arg(failure->rule, failure->detail)
                    + shortestReproduction<Driver>(done, failure->rule, shrinkTime);
                return report;
            }
        }
    }
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

// The test function of both sessions: the session with its figures, and every outcome of a
// press reached, so that the session proves something about results.
template <typename Driver> void playRandomSession(int defaultActions, std::chrono::seconds shrinkTime)
{
    const Settings settings = settingsFromEnvironment(defaultActions);
    qInfo("seed %llu, %d actions (ROPECALC_SEED, ROPECALC_ACTIONS)",
        static_cast<unsigned long long>(settings.seed), settings.actions);
    const Report report = run<Driver>(settings, shrinkTime);
    if (!report.failure.isEmpty())
        QFAIL(qPrintable(report.failure));
    qInfo("%d actions on %d windows in %.1f s, %.0f actions per second", report.performed, report.windows,
        report.seconds, report.performed / report.seconds);
    const Tally &tally = report.tally;
    qInfo("presses: %d factors, %d red warnings, %d messages, %d on a disabled button", tally.factors,
        tally.warnings, tally.messages, tally.disabled);
    QVERIFY(tally.reachedEveryOutcome());
}

} // namespace session
