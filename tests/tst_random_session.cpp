// A long random session on the window's model: clicks on any option button, picks from any
// enabled list, anything typed or pasted into the force boxes and the lists, and presses of
// both "计  算" buttons, as the inputs a front end reports for them. After every action the
// read-outs must belong to the buttons on screen and the diameter last picked, and each result
// box must show what a press would show now. ROPECALC_SEED and ROPECALC_ACTIONS choose another
// session; a failure prints the fewest actions that still reproduce it. tst_widget_session
// plays the same sessions on the Qt widgets with real events.

#include "random_session.h"

#include <QtTest>

using session::Action;
using session::Verb;

namespace {

constexpr int kDefaultActions = 1000000;
constexpr auto kShrinkTime = std::chrono::seconds(120);

// The model with the inputs a front end reports for each action: a selection, a pick, the
// field's whole new text, or a press. Enter changes no text. Undo gives back the text before
// the field's last edit while the field still holds what that edit left, one step only; once
// the window has written the field there is nothing to undo.
class ModelSession final : private app::View {
public:
    explicit ModelSession(session::Tally *tally = nullptr)
        : m_form(*this)
        , m_checker(tally)
        , m_shown(session::screenOf(m_form))
    {
    }
    ModelSession(const ModelSession &) = delete;
    ModelSession &operator=(const ModelSession &) = delete;

    bool ready() const { return true; }
    const session::Screen &screen() const { return m_shown; }
    app::Form1 &form() { return m_form; }

    std::optional<session::Failure> perform(const Action &action)
    {
        m_messages.clear();
        act(action);
        session::read(m_form, m_next);
        std::optional<session::Failure> failure = m_checker.check(action, m_shown, m_next, m_messages);
        std::swap(m_shown, m_next);
        return failure;
    }

    // The rules on the model as it is now, as after an action that did nothing.
    std::optional<session::Failure> check()
    {
        session::read(m_form, m_next);
        std::optional<session::Failure> failure = m_checker.check(m_shown, m_next);
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
            m_form.select(action.number);
            return;
        case Verb::Pick:
        case Verb::PopupPick:
            m_form.pick(action.number, action.row);
            return;
        case Verb::Press:
            m_form.press(action.number);
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
        const app::Ref field = action.list ? app::combo(action.number) : app::text(action.number);
        const auto n = std::size_t(action.number);
        std::optional<Edit> &last = action.list ? m_listEdits.at(n) : m_textEdits.at(n);
        std::string before = m_form.text(field);
        if (action.verb == Verb::Undo) {
            if (last && last->left == before)
                m_form.type(field, last->before);
            last.reset();
            return;
        }
        if (action.verb == Verb::Type)
            m_form.type(field, before + action.text);
        else
            m_form.type(field, action.verb == Verb::Clear ? std::string() : action.text);
        if (m_form.text(field) != before)
            last = Edit { std::move(before), m_form.text(field) };
    }

    app::Form1 m_form;
    session::Checker m_checker;
    session::Screen m_shown;
    session::Screen m_next;
    std::vector<std::string> m_messages;
    std::array<std::optional<Edit>, session::kTexts> m_textEdits;
    std::array<std::optional<Edit>, session::kLists> m_listEdits;
};

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private slots:
    void shrinkKeepsWhatStillFails_data();
    void shrinkKeepsWhatStillFails();
    void rulesCatchPlantedFaults_data() { session::addPlantedFaultRows(); }
    void rulesCatchPlantedFaults();
    void randomSession();
};

void TestRandomSession::shrinkKeepsWhatStillFails_data()
{
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QList<int>>("shortest");
    QList<int> hundred;
    for (int i = 0; i < 100; ++i)
        hundred << i;
    QTest::newRow("3 then 7 among a hundred") << hundred << 0 << QList<int> { 3, 7 };
    QTest::newRow("two items apart at the ends") << hundred << 1 << QList<int> { 0, 99 };
    QTest::newRow("one item is enough") << hundred << 2 << QList<int> { 42 };
}

// The shortest list is found whether the failing items stand close, far apart or alone.
void TestRandomSession::shrinkKeepsWhatStillFails()
{
    QFETCH(QList<int>, items);
    QFETCH(int, rule);
    QFETCH(QList<int>, shortest);
    const auto fails = [rule](const std::vector<int> &candidate) {
        const auto at
            = [&candidate](int item) { return std::find(candidate.begin(), candidate.end(), item); };
        switch (rule) {
        case 0:
            return at(3) != candidate.end() && std::find(at(3), candidate.end(), 7) != candidate.end();
        case 1:
            return at(0) != candidate.end() && at(99) != candidate.end();
        default:
            return at(42) != candidate.end();
        }
    };
    const std::vector<int> shrunk = session::shrink(std::vector<int>(items.begin(), items.end()), fails,
        std::chrono::steady_clock::now() + std::chrono::seconds(10));
    QCOMPARE(QList<int>(shrunk.begin(), shrunk.end()), shortest);
}

// Each rule of the session can fail: a fault planted in the model behind the handlers' back is
// caught.
void TestRandomSession::rulesCatchPlantedFaults()
{
    QFETCH(QString, control);
    QFETCH(QString, fault);
    QFETCH(QString, rule);
    QFETCH(QString, why);
    ModelSession window;
    for (const Action &action : session::kShowing8_5) {
        const std::optional<session::Failure> failure = window.perform(action);
        QVERIFY2(!failure, qPrintable(failure ? failure->detail : QString()));
    }
    QCOMPARE(session::qt(window.form().text(app::text(app::kTraditionalResult))), QStringLiteral("8.5"));

    QVERIFY(control.startsWith(QStringLiteral("Text")));
    const app::Ref box = app::text(control.mid(4).toInt());
    app::ControlState planted = window.form().state(box);
    if (fault == QStringLiteral("red"))
        planted.background = session::kRed;
    else
        planted.text = fault.toStdString();
    window.form().preset(box, planted);
    const std::optional<session::Failure> failure = window.check();
    QVERIFY(failure);
    QCOMPARE(failure->rule, rule);
    QVERIFY2(failure->detail.contains(why), qPrintable(failure->detail));
}

void TestRandomSession::randomSession()
{
    session::playRandomSession<ModelSession>(kDefaultActions, kShrinkTime);
}

QTEST_GUILESS_MAIN(TestRandomSession)
#include "tst_random_session.moc"
