// A long random session on the window's model: clicks on any option button, picks from any
// enabled list, anything typed or pasted into the force boxes and the lists, and presses of
// both "计  算" buttons, as the inputs a front end reports for them. After every action the
// read-outs must belong to the buttons on screen and the diameter last picked, and each result
// box must show what a press would show now. ROPECALC_SEED and ROPECALC_ACTIONS choose another
// session; a failure prints the fewest actions that still reproduce it. tst_widget_session
// plays the same sessions on the Qt widgets with real events.

#include "tests/support/qt_session.h"

#include <QtTest>

using session::Action;
using session::ModelSession;
using session::Verb;

namespace {

constexpr int kDefaultActions = 1000000;
constexpr auto kShrinkTime = std::chrono::seconds(120);

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
        QVERIFY2(!failure, failure ? failure->detail.c_str() : "");
    }
    QCOMPARE(session::qt(window.form().state(app::kTraditionalResult).text), QStringLiteral("8.5"));

    QVERIFY(control.startsWith(QStringLiteral("Text")));
    const app::Ref box = app::text(control.mid(4).toInt());
    app::ControlState planted = window.form().state(box);
    if (fault == QStringLiteral("red"))
        planted.background = session::kRed;
    else
        planted.text = fault.toStdString();
    app::testing::Seam::preset(window.form(), box, planted);
    const std::optional<session::Failure> failure = window.check();
    QVERIFY(failure);
    QCOMPARE(session::qt(failure->rule), rule);
    QVERIFY2(session::qt(failure->detail).contains(why), failure->detail.c_str());
}

void TestRandomSession::randomSession()
{
    session::playRandomSession<ModelSession>(kDefaultActions, kShrinkTime);
}

QTEST_GUILESS_MAIN(TestRandomSession)
#include "tst_random_session.moc"
