#pragma once

#include "app/control_table.h"
#include "app/form1.h"
#include "app/qt_text.h"
#include "common/number_format.h"
#include "common/purpose_table.h"
#include "result_boxes.h"
#include "standard/check.h"
#include "standard/lookup.h"
#include "traditional/check.h"
#include "traditional/lookup.h"
#include "widget_actions.h"
#include "window_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <variant>
#include <vector>

// A user session as a list of actions that can be played on a fresh window, checked after
// every action against what the rope tables and the checks say about the boxes on screen, and
// cut down to the fewest actions that still go wrong.
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
    QString text; // what is typed or pasted
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
inline Action edit(Verb verb, int number, bool list, const QString &text = {})
{
    return { verb, number, list, 0, text };
}

inline QString quoted(const QString &text)
{
    constexpr qsizetype kShown = 24;
    QString shown = text.left(kShown);
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    if (text.size() > kShown)
        return QStringLiteral("%1 characters \"%2…\"").arg(text.size()).arg(shown);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// The text of a list's item, as the person picking it sees it.
inline QString itemText(int list, int row)
{
    if (list == 5 || list == 10)
        return app::qtText(common::kPurposes.at(std::size_t(row)).text);
    for (const app::ListSpec &diameters : app::kDiameterLists)
        if (diameters.combo == list && std::size_t(row) < diameters.items.size())
            return app::qtText(diameters.items[std::size_t(row)]);
    return QStringLiteral("?");
}

// One line a person can follow by hand: "click Option14", "pick Combo6 row 3 (φ6)".
inline QString describe(const Action &action)
{
    const QString field
        = (action.list ? QStringLiteral("Combo%1") : QStringLiteral("Text%1")).arg(action.number);
    switch (action.verb) {
    case Verb::Click:
        return QStringLiteral("click Option%1").arg(action.number);
    case Verb::Pick:
        return QStringLiteral("pick Combo%1 row %2 (%3) by arrow keys")
            .arg(action.number)
            .arg(action.row)
            .arg(itemText(action.number, action.row));
    case Verb::PopupPick:
        return QStringLiteral("pick Combo%1 row %2 (%3) from the opened list")
            .arg(action.number)
            .arg(action.row)
            .arg(itemText(action.number, action.row));
    case Verb::Type:
        return QStringLiteral("type %1 into %2").arg(quoted(action.text), field);
    case Verb::Retype:
        return QStringLiteral("select all in %2 and type %1").arg(quoted(action.text), field);
    case Verb::Paste:
        return QStringLiteral("select all in %2 and paste %1").arg(quoted(action.text), field);
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

// Everything on screen that the rules talk about.
struct Screen {
    std::array<QString, 14> texts; // Text1 to Text13
    std::array<QColor, 14> backgrounds;
    std::array<QString, 11> lists; // the edit field of Combo1 to Combo10
    std::array<bool, 23> selected {}; // Option1 to Option22
    bool operator==(const Screen &) const = default;

    std::optional<int> selectedAmong(int first, int last) const
    {
        for (int n = first; n <= last; ++n)
            if (selected.at(std::size_t(n)))
                return n - first;
        return std::nullopt;
    }
    const QString &text(int n) const { return texts.at(std::size_t(n)); }
    std::string utf8(int n) const { return text(n).toStdString(); }

    // The inputs of each check: what a press reads, and which buttons it looks at.
    QStringList traditionalInputs() const { return { text(4), text(5), lists[5] }; }
    QStringList standardInputs() const
    {
        QStringList inputs { text(10), text(11), text(12), lists[10] };
        for (int n : { 10, 11, 12, 13, 19, 20, 21, 22 })
            inputs << (selected.at(std::size_t(n)) ? QStringLiteral("on") : QStringLiteral("off"));
        return inputs;
    }

    common::Verdict traditionalVerdict() const
    {
        return traditional::check(utf8(4), utf8(5), lists[5].toStdString());
    }
    common::Verdict standardVerdict() const
    {
        const std::optional<int> ropeClass = selectedAmong(10, 13);
        const std::optional<int> core = selectedAmong(19, 20);
        const std::optional<int> work = selectedAmong(21, 22);
        const standard::Choices choices {
            ropeClass ? std::optional(standard::RopeClass(*ropeClass)) : std::nullopt,
            core ? std::optional(standard::Core(*core)) : std::nullopt,
            work ? std::optional(standard::WorkType(*work)) : std::nullopt,
        };
        return standard::check(utf8(10), utf8(11), utf8(12), lists[10].toStdString(), choices);
    }
};

inline QString textOf(const std::optional<std::string> &value)
{
    return value ? QString::fromStdString(*value) : QString();
}

// A pick the test itself made: the list and the row.
struct Picked {
    int list;
    int row;
};

// How the presses of a session ended, to show that it reached every outcome.
struct Tally {
    int factors = 0;
    int warnings = 0;
    int messages = 0;
    int disabled = 0;
};

// One real window and the test's own record of it: the diameter last picked in each method,
// and whether an input of each check changed since its last press.
class Session {
public:
    explicit Session(Tally *tally = nullptr)
        : m_form(std::make_unique<app::Form1>())
        , m_tally(tally)
    {
        m_form->show();
        m_exposed = QTest::qWaitForWindowExposed(m_form.get());
        const WindowControls controls(m_form.get());
        for (int n = 1; n <= 22; ++n)
            m_options.at(std::size_t(n)) = controls.option(n);
        for (int n = 1; n <= 10; ++n)
            m_combos.at(std::size_t(n)) = controls.combo(n);
        for (int n = 1; n <= 13; ++n)
            m_texts.at(std::size_t(n)) = controls.text(n);
        for (int n = 1; n <= 2; ++n)
            m_commands.at(std::size_t(n)) = controls.command(n);
        m_last = screen();
        m_startBackground = m_last.backgrounds[6];
    }

    bool exposed() const { return m_exposed; }
    QLineEdit *text(int n) const { return m_texts.at(std::size_t(n)); }
    QComboBox *combo(int n) const { return m_combos.at(std::size_t(n)); }
    QRadioButton *option(int n) const { return m_options.at(std::size_t(n)); }
    QPushButton *command(int n) const { return m_commands.at(std::size_t(n)); }

    Screen screen() const
    {
        Screen shown;
        for (int n = 1; n <= 13; ++n) {
            shown.texts.at(std::size_t(n)) = text(n)->text();
            shown.backgrounds.at(std::size_t(n)) = background(text(n));
        }
        for (int n = 1; n <= 10; ++n)
            shown.lists.at(std::size_t(n)) = combo(n)->currentText();
        for (int n = 1; n <= 22; ++n)
            shown.selected.at(std::size_t(n)) = option(n)->isChecked();
        return shown;
    }

    // Does the action as a person would, then checks every rule.
    std::optional<Failure> perform(const Action &action)
    {
        const Screen before = screen();
        const QStringList messages = answeringMessages([this, &action] { act(action); });
        const Screen after = screen();
        if (action.verb == Verb::Press) {
            if (std::optional<Failure> failure = checkPress(action.number, before, after, messages))
                return failure;
        } else if (!messages.isEmpty()) {
            return Failure { QStringLiteral("message without a press"), messages.join(QLatin1Char('|')) };
        }
        return check();
    }

    // The rules that hold after every action, on the window as it is now.
    std::optional<Failure> check()
    {
        const Screen now = screen();
        m_traditionalChanged = m_traditionalChanged || now.traditionalInputs() != m_last.traditionalInputs();
        m_standardChanged = m_standardChanged || now.standardInputs() != m_last.standardInputs();
        m_last = now;
        if (m_pickFailed)
            return Failure { QStringLiteral("pick"),
                QStringLiteral("a list did not take the item asked for") };
        if (std::optional<Failure> failure = checkTraditionalReadouts(now))
            return failure;
        if (std::optional<Failure> failure = checkStandardReadouts(now))
            return failure;
        if (std::optional<Failure> failure
            = checkResult(now, 6, now.traditionalVerdict(), common::formatGeneral, m_traditionalChanged))
            return failure;
        return checkResult(now, 13, now.standardVerdict(), common::formatTwoDecimals, m_standardChanged);
    }

private:
    void act(const Action &action)
    {
        switch (action.verb) {
        case Verb::Click:
            QTest::mouseClick(option(action.number), Qt::LeftButton);
            return;
        case Verb::Pick:
        case Verb::PopupPick:
            pickItem(action);
            return;
        case Verb::Press:
            QTest::mouseClick(command(action.number), Qt::LeftButton);
            return;
        default:
            typeInto(action);
            return;
        }
    }

    // A disabled control takes no input, so there is nothing to do with it.
    void typeInto(const Action &action)
    {
        QWidget *field
            = action.list ? static_cast<QWidget *>(combo(action.number)->lineEdit()) : text(action.number);
        if (!field->isEnabled())
            return;
        if (action.verb == Verb::Retype || action.verb == Verb::Paste || action.verb == Verb::Clear)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (action.verb == Verb::Paste) {
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (action.verb == Verb::Clear) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else if (action.verb == Verb::Enter) {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (action.verb == Verb::Undo) {
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        } else {
            actions::type(field, action.text);
        }
    }

    // Arrow keys on a closed list pick each item they land on; a list already on the wanted
    // row is stepped off it and back, so the row is picked again.
    void pickItem(const Action &action)
    {
        QComboBox *list = combo(action.number);
        if (!list->isEnabled() || action.row >= list->count())
            return;
        if (action.verb == Verb::PopupPick) {
            if (!actions::pickWithKeyboard(list, action.row))
                m_pickFailed = true;
        } else {
            if (list->currentIndex() == action.row)
                QTest::keyClick(list, action.row + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
            for (int steps = 0; list->currentIndex() != action.row && steps <= list->count(); ++steps)
                QTest::keyClick(list, list->currentIndex() < action.row ? Qt::Key_Down : Qt::Key_Up);
        }
        if (list->currentIndex() != action.row) {
            m_pickFailed = true;
            return;
        }
        if (action.number <= 3)
            m_traditionalPick = Picked { action.number, action.row };
        else if (action.number >= 6 && action.number <= 9)
            m_standardPick = Picked { action.number, action.row };
    }

    // Runs `during`, answering every message box that opens with its button, and returns what
    // each box said.
    static QStringList answeringMessages(const std::function<void()> &during)
    {
        QStringList seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen << box->text();
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        });
        watch.start(0);
        during();
        return seen;
    }

    // A press shows exactly the message the check gives for the boxes as they were, and changes
    // nothing; or it writes the result box only. A disabled button does nothing at all.
    std::optional<Failure> checkPress(
        int button, const Screen &before, const Screen &after, const QStringList &messages)
    {
        const bool traditional = button == 1;
        const int result = traditional ? 6 : 13;
        const common::Verdict verdict = traditional ? before.traditionalVerdict() : before.standardVerdict();
        const auto format = traditional ? common::formatGeneral : common::formatTwoDecimals;
        Screen expected = before;
        QStringList expectedMessages;
        if (!command(button)->isEnabled()) {
            // nothing happens
        } else if (const auto *message = std::get_if<common::Message>(&verdict)) {
            expectedMessages << QString::fromUtf8(message->text.data(), qsizetype(message->text.size()));
        } else if (const auto *passed = std::get_if<common::Passed>(&verdict)) {
            expected.texts.at(std::size_t(result)) = QString::fromStdString(format(passed->factor));
        } else {
            expected.texts.at(std::size_t(result)) = kTooWeak;
            expected.backgrounds.at(std::size_t(result)) = kRed;
        }
        if (messages != expectedMessages)
            return Failure { QStringLiteral("press"),
                QStringLiteral("messages shown [%1], expected [%2]")
                    .arg(messages.join(QLatin1Char('|')), expectedMessages.join(QLatin1Char('|'))) };
        if (after != expected)
            return Failure { QStringLiteral("press"),
                QStringLiteral(
                    "the press changed more than its result, or wrote %1 on %2 where %3 on %4 was due")
                    .arg(quoted(after.text(result)), after.backgrounds.at(std::size_t(result)).name(),
                        quoted(expected.text(result)), expected.backgrounds.at(std::size_t(result)).name()) };
        if (command(button)->isEnabled()) {
            (traditional ? m_traditionalChanged : m_standardChanged) = false;
            m_last = after;
        }
        if (m_tally) {
            if (!command(button)->isEnabled())
                ++m_tally->disabled;
            else if (!expectedMessages.isEmpty())
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
    static std::optional<Failure> compareReadouts(
        const Screen &now, std::span<const int> boxes, const QStringList &expected, const QString &pick)
    {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QString &shown = now.text(boxes[i]);
            if (!shown.isEmpty() && shown != expected.at(qsizetype(i)))
                return Failure { QStringLiteral("read-out"),
                    QStringLiteral("Text%1 shows %2 where %3 picked with the buttons on screen gives %4")
                        .arg(boxes[i])
                        .arg(quoted(shown), pick,
                            expected.at(qsizetype(i)).isEmpty() ? QStringLiteral("nothing")
                                                                : quoted(expected.at(qsizetype(i)))) };
        }
        return std::nullopt;
    }

    // Once a class is chosen, only a pick from its own list can show read-outs: those of the
    // other method, and of a list picked before the class, are gone.
    static bool belongsToClassOnScreen(const Screen &now, int list)
    {
        const std::optional<int> traditionalClass = now.selectedAmong(1, 4);
        const std::optional<int> standardClass = now.selectedAmong(10, 13);
        if (!traditionalClass && !standardClass)
            return true;
        return list == (traditionalClass ? 1 + *traditionalClass : 6 + standardClass.value_or(-99));
    }

    std::optional<Failure> checkTraditionalReadouts(const Screen &now) const
    {
        static constexpr std::array<int, 4> kBoxes { 1, 2, 3, 4 };
        QStringList expected(4);
        QString pick = QStringLiteral("no diameter");
        if (m_traditionalPick && belongsToClassOnScreen(now, m_traditionalPick->list)) {
            static const std::array<const traditional::RopeTable *, 4> tables { nullptr, &traditional::k6x19,
                &traditional::k6x37, &traditional::k6x61 };
            const std::optional<int> grade = now.selectedAmong(5, 9);
            const std::optional<traditional::Readouts> shown
                = traditional::lookup(*tables.at(std::size_t(m_traditionalPick->list)),
                    m_traditionalPick->row, grade ? std::optional(traditional::Grade(*grade)) : std::nullopt);
            if (shown) {
                expected = { QString::fromStdString(shown->area), QString::fromStdString(shown->weight),
                    shown->forces ? QString::fromStdString(shown->forces->total) : QString(),
                    shown->forces ? QString::fromStdString(shown->forces->rope) : QString() };
            }
            pick = QStringLiteral("Combo%1 row %2").arg(m_traditionalPick->list).arg(m_traditionalPick->row);
        }
        return compareReadouts(now, kBoxes, expected, pick);
    }

    std::optional<Failure> checkStandardReadouts(const Screen &now) const
    {
        static constexpr std::array<int, 5> kBoxes { 7, 8, 9, 10, 11 };
        QStringList expected(5);
        QString pick = QStringLiteral("no diameter");
        if (m_standardPick && belongsToClassOnScreen(now, m_standardPick->list)) {
            const std::optional<int> core = now.selectedAmong(19, 20);
            const std::optional<int> grade = now.selectedAmong(14, 18);
            const std::optional<standard::Core> coreNow
                = core ? std::optional(standard::Core(*core)) : std::nullopt;
            const std::optional<standard::Grade> gradeNow
                = grade ? std::optional(standard::Grade(*grade)) : std::nullopt;
            const int row = m_standardPick->row;
            standard::Readouts shown;
            switch (m_standardPick->list) {
            case 6:
                shown = standard::lookup(standard::k6x19, row, coreNow, gradeNow);
                break;
            case 7:
                shown = standard::lookup(standard::k6x37, row, coreNow, gradeNow);
                break;
            case 8:
                shown = standard::lookup(standard::k6x61, row, coreNow, gradeNow);
                break;
            default:
                shown = standard::lookup(standard::k18x7, row, coreNow, gradeNow);
                break;
            }
            expected = { textOf(shown.naturalFibreWeight), textOf(shown.syntheticFibreWeight),
                textOf(shown.steelWeight), textOf(shown.fibreBreaking), textOf(shown.steelBreaking) };
            pick = QStringLiteral("Combo%1 row %2").arg(m_standardPick->list).arg(row);
        }
        return compareReadouts(now, kBoxes, expected, pick);
    }

    // A result box is empty on white, a number on white or "重选钢丝绳" on red; what it shows is
    // what a press would show now, and it is empty once an input of its check has changed.
    std::optional<Failure> checkResult(const Screen &now, int box, const common::Verdict &verdict,
        std::string (*format)(double), bool inputChanged) const
    {
        const QString &shown = now.text(box);
        const QColor colour = now.backgrounds.at(std::size_t(box));
        const auto failure = [&](const QString &what) {
            return Failure {
                QStringLiteral("result"),
                QStringLiteral("Text%1 shows %2 on %3: %4").arg(box).arg(quoted(shown), colour.name(), what)
            };
        };
        if (shown.isEmpty()) {
            if (colour != kWhite && colour != m_startBackground)
                return failure(QStringLiteral("an empty result is white"));
            return std::nullopt;
        }
        if (inputChanged)
            return failure(QStringLiteral("an input of its check changed since the last press"));
        if (shown == kTooWeak) {
            if (colour != kRed)
                return failure(QStringLiteral("the warning is on red"));
            if (!std::holds_alternative<common::TooWeak>(verdict))
                return failure(QStringLiteral("a press now would not warn"));
            return std::nullopt;
        }
        if (colour != kWhite)
            return failure(QStringLiteral("a factor is on white"));
        const auto *passed = std::get_if<common::Passed>(&verdict);
        if (!passed || QString::fromStdString(format(passed->factor)) != shown)
            return failure(QStringLiteral("a press now would show %1")
                               .arg(passed ? quoted(QString::fromStdString(format(passed->factor)))
                                           : QStringLiteral("no factor")));
        return std::nullopt;
    }

    std::unique_ptr<app::Form1> m_form;
    Tally *m_tally;
    bool m_exposed = false;
    std::array<QRadioButton *, 23> m_options {};
    std::array<QComboBox *, 11> m_combos {};
    std::array<QLineEdit *, 14> m_texts {};
    std::array<QPushButton *, 3> m_commands {};
    QColor m_startBackground;
    Screen m_last;
    std::optional<Picked> m_traditionalPick;
    std::optional<Picked> m_standardPick;
    bool m_traditionalChanged = false;
    bool m_standardChanged = false;
    bool m_pickFailed = false;
};

// Plays the actions on a fresh window; the index of the first action after which a rule is
// broken, with what broke.
struct Outcome {
    std::size_t failedAt = 0;
    std::optional<Failure> failure;
};

inline Outcome play(std::span<const Action> actions)
{
    Session session;
    if (!session.exposed())
        return { 0, Failure { QStringLiteral("window"), QStringLiteral("the window was never shown") } };
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (std::optional<Failure> failure = session.perform(actions[i]))
            return { i, failure };
    return {};
}

// Random actions of every kind a person may do, with what they type drawn from numbers,
// purposes, the texts people paste and plain junk.
class Generator {
public:
    explicit Generator(std::uint64_t seed)
        : m_random(seed)
    {
    }

    // Picks only from lists that are enabled and hold items, as a person can.
    Action next(const Session &window)
    {
        const int roll = below(100);
        if (roll < 22)
            return click(1 + below(22));
        if (roll < 54) {
            // A diameter list more often than a purpose list: most picks are of a rope.
            std::vector<int> enabled;
            const bool diameter = below(10) < 7;
            for (int n : { 1, 2, 3, 5, 6, 7, 8, 9, 10 })
                if (window.combo(n)->isEnabled() && ((n == 5 || n == 10) != diameter))
                    enabled.push_back(n);
            if (enabled.empty())
                enabled = { 5, 10 };
            const int list = enabled.at(std::size_t(below(int(enabled.size()))));
            const Verb verb = below(100) == 0 ? Verb::PopupPick : Verb::Pick;
            return pick(list, below(window.combo(list)->count()), verb);
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
            return edit(how < 60 ? Verb::Retype : Verb::Type, number, list,
                shortText((number == 5 && !list) || number == 12));
        }
        // Mostly the button that is enabled, as a person would; now and then the greyed one.
        const int enabled = window.command(1)->isEnabled() ? 1 : 2;
        return press(below(5) == 0 ? 3 - enabled : enabled);
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // Mostly the force boxes and purpose lists; now and then a diameter list's edit field.
    std::pair<int, bool> field()
    {
        const int roll = below(20);
        if (roll < 5)
            return { 5, false };
        if (roll < 10)
            return { 12, false };
        if (roll < 14)
            return { 5, true };
        if (roll < 18)
            return { 10, true };
        static constexpr std::array<int, 8> kDiameterLists { 1, 2, 3, 4, 6, 7, 8, 9 };
        return { kDiameterLists.at(std::size_t(below(8))), true };
    }

    // A force box gets a number more often than a list does.
    QString shortText(bool force)
    {
        static const QStringList kOdd { "1e999", "-1e999", "inf", "nan", "-0", "1e-320", "２０００", "2000kg",
            "2,000", "3,5", "-200", "+5", "0", "0.0", "1e5", "1E-3", " 12 ", "\t7", "12e", "e5", ".5", "5.",
            "0x10", "钢丝绳受力", "吨", "１２.５", "1 000", "2000 kg", "φ20", "4.9e-324",
            "1.7976931348623157e308", "-", ".", "+", "e", "00012", "1e+2", "1d3", "∞", "NaN", "Infinity" };
        static const QStringList kPieces { "0", "1", "2", "3", "5", "7", "9", ".", "-", "+", "e", "E", " ",
            ",", "kg", "钢", "绳", "２", "０", "φ", "(", ")", "\t", "吨", "10" };
        const int roll = below(100);
        if (roll < (force ? 60 : 40))
            return number();
        if (roll < 55)
            return app::qtText(common::kPurposes.at(std::size_t(below(int(common::kPurposes.size())))).text);
        if (roll < 75)
            return kOdd.at(below(int(kOdd.size())));
        QString junk;
        for (int i = 1 + below(8); i > 0; --i)
            junk += kPieces.at(below(int(kPieces.size())));
        return junk;
    }

    // A force or factor a person might enter: whole or with decimals, now and then tiny or huge.
    QString number()
    {
        const int roll = below(10);
        if (roll < 5)
            return QString::number(1 + below(5000));
        if (roll < 8)
            return QString::number(below(100000) / 100.0, 'f', 2);
        if (roll < 9)
            return QString::number(below(20));
        return QStringLiteral("%1e%2").arg(1 + below(9)).arg(below(700) - 350);
    }

    // Thousands of characters, as from a careless paste.
    QString longText()
    {
        static const QStringList kUnits { "9", "0", "1", "钢丝绳", "２", "1e", ".", " ", "-" };
        const int count = 500 + below(5000);
        const int roll = below(4);
        if (roll == 0)
            return QStringLiteral("1") + QString(count, QLatin1Char('0'));
        if (roll == 1)
            return QStringLiteral("0.") + QString(count, QLatin1Char('0')) + QStringLiteral("1");
        return kUnits.at(below(int(kUnits.size()))).repeated(count / 3 + 1);
    }

    std::mt19937_64 m_random;
};

} // namespace session
