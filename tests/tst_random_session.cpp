// A long random session on the real window: clicks on any option button, picks from any
// enabled list, anything typed or pasted into the force boxes and the lists, and presses of
// both "计  算" buttons. After every action the read-outs must belong to the buttons on screen
// and the diameter last picked, and each result box must show what a press would show now.
// ROPECALC_SEED and ROPECALC_ACTIONS choose another session; a failure prints the fewest
// actions that still reproduce it.

#include "random_session.h"

#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QtTest>

using session::Action;
using session::Verb;

namespace {

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr int kDefaultActions = 20000;
constexpr auto kShrinkTime = std::chrono::seconds(120);

std::uint64_t seedFromEnvironment()
{
    bool ok = false;
    const std::uint64_t seed = qEnvironmentVariable("ROPECALC_SEED").toULongLong(&ok);
    return ok ? seed : kDefaultSeed;
}

int actionCountFromEnvironment()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("ROPECALC_ACTIONS", &ok);
    return ok && count > 0 ? count : kDefaultActions;
}

// Rope 6×19＋1 φ6.2 at 140 kg/mm2 (breaking force 1700), force 200, "井架提升6": 8.5 shown.
const std::vector<Action> kShowing8_5 {
    session::click(1),
    session::click(5),
    session::pick(1, 0),
    session::edit(Verb::Retype, 5, false, QStringLiteral("200")),
    session::edit(Verb::Retype, 5, true, QStringLiteral("井架提升6")),
    session::press(1),
};

// The offscreen platform says once per message box what it cannot do; thousands of such lines
// would bury the session's own report.
QtMessageHandler testlibHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    testlibHandler(type, context, message);
}

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testlibHandler = qInstallMessageHandler(quietPlatform); }
    void cleanupTestCase() { qInstallMessageHandler(testlibHandler); }
    void shrinkKeepsWhatStillFails_data();
    void shrinkKeepsWhatStillFails();
    void rulesCatchPlantedFaults_data();
    void rulesCatchPlantedFaults();
    void longPasteIsTakenWhole();
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

void TestRandomSession::rulesCatchPlantedFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("why");
    QTest::newRow("area of another rope") << "Text1 99"
                                          << "read-out"
                                          << "Combo1 row 0";
    QTest::newRow("a weight with no diameter picked") << "Text9 152"
                                                      << "read-out"
                                                      << "no diameter";
    QTest::newRow("factor on red") << "Text6 red"
                                   << "result"
                                   << "factor is on white";
    QTest::newRow("factor a press would not give") << "Text6 9"
                                                   << "result"
                                                   << "a press now would show \"8.5\"";
    QTest::newRow("factor kept after the force changed") << "Text5 200 "
                                                         << "result"
                                                         << "changed since the last press";
    QTest::newRow("empty result on red") << "Text13 red"
                                         << "result"
                                         << "empty result is white";
}

// Each rule of the session can fail: a fault planted behind the window's back is caught.
void TestRandomSession::rulesCatchPlantedFaults()
{
    QFETCH(QString, fault);
    QFETCH(QString, rule);
    QFETCH(QString, why);
    session::Session window;
    QVERIFY(window.exposed());
    for (const Action &action : kShowing8_5) {
        const std::optional<session::Failure> failure = window.perform(action);
        QVERIFY2(!failure, qPrintable(failure ? failure->detail : QString()));
    }
    QCOMPARE(window.text(6)->text(), QStringLiteral("8.5"));

    const QStringList words = fault.split(QLatin1Char(' '));
    QLineEdit *box = window.text(words.at(0).mid(4).toInt());
    if (words.at(1) == QStringLiteral("red")) {
        QPalette red = box->palette();
        red.setColor(QPalette::Base, kRed);
        box->setPalette(red);
    } else {
        const QSignalBlocker quiet(box);
        box->setText(fault.section(QLatin1Char(' '), 1));
    }
    const std::optional<session::Failure> failure = window.check();
    QVERIFY(failure);
    QCOMPARE(failure->rule, rule);
    QVERIFY2(failure->detail.contains(why), qPrintable(failure->detail));
}

namespace {

// The fewest actions on a fresh window that still break the same rule, as numbered lines.
QString shortestReproduction(const std::vector<Action> &actions, const QString &rule)
{
    const std::vector<Action> shortest = session::shrink(
        actions,
        [&rule](const std::vector<Action> &candidate) {
            const session::Outcome outcome = session::play(candidate);
            return outcome.failure && outcome.failure->rule == rule;
        },
        std::chrono::steady_clock::now() + kShrinkTime);
    QString report = QStringLiteral("%1 actions reproduce it on a fresh window:\n").arg(shortest.size());
    for (std::size_t i = 0; i < shortest.size(); ++i)
        report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(session::describe(shortest[i]));
    const session::Outcome replayed = session::play(shortest);
    return report
        + (replayed.failure ? QStringLiteral("then the %1 rule breaks: %2")
                                  .arg(replayed.failure->rule, replayed.failure->detail)
                            : QStringLiteral("(the replay did not fail again)"));
}

} // namespace

// The actions are spread over windows opened one after another, each used for a few hundred
// actions, so that the window as it opens (every list enabled, nothing chosen) gets its share.
// A paste of thousands of characters lands whole in the force box, as a person's paste does; a
// force beyond the double range is then asked for again, and the rules still hold.
void TestRandomSession::longPasteIsTakenWhole()
{
    session::Tally tally;
    session::Session window(&tally);
    QVERIFY(window.exposed());
    for (const Action &action : kShowing8_5)
        QVERIFY(!window.perform(action));
    const QString huge = QStringLiteral("1") + QString(5000, QLatin1Char('0'));
    QVERIFY(!window.perform(session::edit(Verb::Paste, 5, false, huge)));
    QCOMPARE(window.text(5)->text(), huge);
    QCOMPARE(window.text(6)->text(), QString());
    QVERIFY(!window.perform(session::press(1)));
    QCOMPARE(tally.messages, 1);
}

void TestRandomSession::randomSession()
{
    const std::uint64_t seed = seedFromEnvironment();
    const int count = actionCountFromEnvironment();
    qInfo("seed %llu, %d actions (ROPECALC_SEED, ROPECALC_ACTIONS)", static_cast<unsigned long long>(seed),
        count);

    session::Generator generator(seed);
    session::Tally tally;
    std::mt19937_64 lengths(seed);
    QElapsedTimer clock;
    clock.start();
    int performed = 0;
    int windows = 0;
    while (performed < count) {
        const int length = std::min(count - performed, std::uniform_int_distribution<int>(1, 400)(lengths));
        session::Session window(&tally);
        QVERIFY(window.exposed());
        ++windows;
        std::vector<Action> done;
        for (int i = 0; i < length; ++i) {
            done.push_back(generator.next(window));
            ++performed;
            if (const std::optional<session::Failure> failure = window.perform(done.back())) {
                qInfo("window %d, action %zu broke the %s rule: %s", windows, done.size(),
                    qPrintable(failure->rule), qPrintable(failure->detail));
                QFAIL(qPrintable(
                    QStringLiteral("seed %1: ").arg(seed) + shortestReproduction(done, failure->rule)));
            }
        }
    }
    const double seconds = double(clock.elapsed()) / 1000;
    qInfo("%d actions on %d windows in %.1f s, %.0f ms per 1000 actions", performed, windows, seconds,
        seconds * 1000 * 1000 / performed);
    qInfo("presses: %d factors, %d red warnings, %d messages, %d on a disabled button", tally.factors,
        tally.warnings, tally.messages, tally.disabled);
    // A session that never reaches a result would prove little about results.
    QVERIFY(tally.factors > 0 && tally.warnings > 0 && tally.messages > 0 && tally.disabled > 0);
}

QTEST_MAIN(TestRandomSession)
#include "tst_random_session.moc"
