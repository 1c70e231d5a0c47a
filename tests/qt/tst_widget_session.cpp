// The random sessions of tst_random_session on the real Qt window, played with real mouse and
// keyboard events: clicks, arrow keys and the opened list, typing, select-all, the clipboard,
// Enter and Ctrl+Z, message boxes answered as they open. The same rules hold after every action,
// and the widgets show exactly what the window's model holds, so the way Qt's signals become
// the model's inputs stays covered. ROPECALC_SEED and ROPECALC_ACTIONS choose another session.

#include "app/qt/window.h"
#include "tests/qt/widget_actions.h"
#include "tests/support/qt_session.h"
#include "tests/support/window_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPalette>
#include <QSignalBlocker>
#include <QTimer>
#include <QtTest>

using session::Action;
using session::Verb;

namespace {

constexpr int kDefaultActions = 5000;
constexpr auto kShrinkTime = std::chrono::seconds(120);

// One real window, shown on the offscreen platform, and the rules it is held to.
class WidgetSession {
public:
    explicit WidgetSession(session::Tally *tally = nullptr)
        : m_checker(tally)
    {
        m_window.show();
        m_exposed = QTest::qWaitForWindowExposed(&m_window);
        const WindowControls controls(&m_window);
        for (std::size_t n = 1; n < session::kTexts; ++n)
            m_texts[n] = controls.text(int(n));
        for (std::size_t n = 1; n < session::kLists; ++n)
            m_combos[n] = controls.combo(int(n));
        for (std::size_t n = 1; n < session::kOptions; ++n)
            m_options[n] = controls.option(int(n));
        for (std::size_t n = 1; n < session::kCommands; ++n)
            m_commands[n] = controls.command(int(n));
        for (std::size_t n = 1; n < session::kTexts; ++n)
            m_opening[n] = colourOf(m_texts[n]);
        m_shown = read();
    }

    bool ready() const { return m_exposed; }
    const session::Screen &screen() const { return m_shown; }
    QLineEdit *text(int n) const { return m_texts.at(std::size_t(n)); }
    QComboBox *combo(int n) const { return m_combos.at(std::size_t(n)); }

    // Does the action as a person would, then checks every rule.
    std::optional<session::Failure> perform(const Action &action)
    {
        bool done = true;
        const std::vector<std::string> messages = answeringMessages([&] { done = act(action); });
        if (!done)
            return session::Failure { "pick", "the opened list did not close" };
        session::Screen now = read();
        std::optional<session::Failure> failure = m_checker.check(action, m_shown, now, messages);
        return mirrored(std::move(now), std::move(failure));
    }

    // The rules on the widgets as they are now, as after an action that did nothing.
    std::optional<session::Failure> check()
    {
        session::Screen now = read();
        std::optional<session::Failure> failure = m_checker.check(m_shown, now);
        return mirrored(std::move(now), std::move(failure));
    }

private:
    // Once the rules hold, the widgets must show the model's state, and nothing else. A box the
    // model has not coloured shows the colour it opened with; the window need not set white on
    // a box that shows white already.
    std::optional<session::Failure> mirrored(session::Screen now, std::optional<session::Failure> failure)
    {
        if (!failure) {
            const session::Screen held = asShown(session::screenOf(m_window.form()));
            if (asShown(now) != held)
                failure = session::Failure { "mirror",
                    "the widgets differ from the window's state: "
                        + session::difference(asShown(now), held) };
        }
        m_shown = std::move(now);
        return failure;
    }

    static common::Rgb colourOf(const QLineEdit *box)
    {
        const QColor colour = box->palette().color(QPalette::Base);
        return { colour.red(), colour.green(), colour.blue() };
    }

    session::Screen asShown(session::Screen screen) const
    {
        for (std::size_t n = 1; n < session::kTexts; ++n)
            screen.backgrounds[n] = screen.backgrounds[n].value_or(m_opening[n]);
        return screen;
    }

    // The colour a box opened with is its default colour.
    session::Screen read() const
    {
        session::Screen shown;
        for (std::size_t n = 1; n < session::kTexts; ++n) {
            shown.texts[n] = m_texts[n]->text().toStdString();
            const common::Rgb colour = colourOf(m_texts[n]);
            if (colour != m_opening[n])
                shown.backgrounds[n] = colour;
        }
        for (std::size_t n = 1; n < session::kLists; ++n) {
            shown.lists[n] = m_combos[n]->currentText().toStdString();
            shown.picked[n] = m_combos[n]->currentIndex();
            shown.listEnabled[n] = m_combos[n]->isEnabled();
        }
        for (std::size_t n = 1; n < session::kOptions; ++n) {
            shown.selected[n] = m_options[n]->isChecked();
            shown.optionEnabled[n] = m_options[n]->isEnabled();
        }
        for (std::size_t n = 1; n < session::kCommands; ++n)
            shown.commandEnabled[n] = m_commands[n]->isEnabled();
        return shown;
    }

    // False when an opened list would not close.
    bool act(const Action &action)
    {
        switch (action.verb) {
        case Verb::Click:
            QTest::mouseClick(m_options.at(std::size_t(action.number)), Qt::LeftButton);
            return true;
        case Verb::Pick:
        case Verb::PopupPick:
            return pickItem(action);
        case Verb::Press:
            QTest::mouseClick(m_commands.at(std::size_t(action.number)), Qt::LeftButton);
            return true;
        default:
            typeInto(action);
            return true;
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
            QGuiApplication::clipboard()->setText(session::qt(action.text));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (action.verb == Verb::Clear) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else if (action.verb == Verb::Enter) {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (action.verb == Verb::Undo) {
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        } else {
            actions::type(field, session::qt(action.text));
        }
    }

    // Arrow keys on a closed list pick each item they land on; a list already on the wanted
    // row is stepped off it and back, so the row is picked again.
    bool pickItem(const Action &action)
    {
        QComboBox *list = combo(action.number);
        if (!list->isEnabled() || action.row >= list->count())
            return true;
        if (action.verb == Verb::PopupPick)
            return actions::pickWithKeyboard(list, action.row);
        if (list->currentIndex() == action.row)
            QTest::keyClick(list, action.row + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
        for (int steps = 0; list->currentIndex() != action.row && steps <= list->count(); ++steps)
            QTest::keyClick(list, list->currentIndex() < action.row ? Qt::Key_Down : Qt::Key_Up);
        return true;
    }

    // Runs `during`, answering every message box that opens with its button, and returns what
    // each box said.
    static std::vector<std::string> answeringMessages(const std::function<void()> &during)
    {
        std::vector<std::string> seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.push_back(box->text().toStdString());
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        });
        watch.start(0);
        during();
        return seen;
    }

    qtview::Window m_window;
    session::Checker m_checker;
    bool m_exposed = false;
    std::array<QLineEdit *, session::kTexts> m_texts {};
    std::array<QComboBox *, session::kLists> m_combos {};
    std::array<QRadioButton *, session::kOptions> m_options {};
    std::array<QPushButton *, session::kCommands> m_commands {};
    std::array<common::Rgb, session::kTexts> m_opening {};
    session::Screen m_shown;
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

class TestWidgetSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testlibHandler = qInstallMessageHandler(quietPlatform); }
    void cleanupTestCase() { qInstallMessageHandler(testlibHandler); }
    void rulesCatchPlantedFaults_data();
    void rulesCatchPlantedFaults();
    void longPasteIsTakenWhole();
    void randomSession();
};

void TestWidgetSession::rulesCatchPlantedFaults_data()
{
    session::addPlantedFaultRows();
    QTest::newRow("diameter field the model does not hold") << "Combo2"
                                                            << "φ7.7"
                                                            << "mirror"
                                                            << "field of Combo2";
}

// Each rule can fail on the widgets: a fault planted in a widget behind the window's back is
// caught.
void TestWidgetSession::rulesCatchPlantedFaults()
{
    QFETCH(QString, control);
    QFETCH(QString, fault);
    QFETCH(QString, rule);
    QFETCH(QString, why);
    WidgetSession window;
    QVERIFY(window.ready());
    for (const Action &action : session::kShowing8_5) {
        const std::optional<session::Failure> failure = window.perform(action);
        QVERIFY2(!failure, failure ? failure->detail.c_str() : "");
    }
    QCOMPARE(window.text(app::kTraditionalResult.number)->text(), QStringLiteral("8.5"));

    const int n = control.mid(control.startsWith(QStringLiteral("Text")) ? 4 : 5).toInt();
    QLineEdit *field
        = control.startsWith(QStringLiteral("Text")) ? window.text(n) : window.combo(n)->lineEdit();
    if (fault == QStringLiteral("red")) {
        QPalette red = field->palette();
        red.setColor(QPalette::Base, QColor(255, 0, 0));
        field->setPalette(red);
    } else {
        const QSignalBlocker quiet(field);
        field->setText(fault);
    }
    const std::optional<session::Failure> failure = window.check();
    QVERIFY(failure);
    QCOMPARE(session::qt(failure->rule), rule);
    QVERIFY2(session::qt(failure->detail).contains(why), failure->detail.c_str());
}

// A paste of thousands of characters lands whole in the force box, as a person's paste does; a
// force beyond the double range is then asked for again, and the rules still hold.
void TestWidgetSession::longPasteIsTakenWhole()
{
    session::Tally tally;
    WidgetSession window(&tally);
    QVERIFY(window.ready());
    for (const Action &action : session::kShowing8_5)
        QVERIFY(!window.perform(action));
    const std::string huge = '1' + std::string(5000, '0');
    QVERIFY(!window.perform(session::edit(Verb::Paste, app::kTraditionalForce.number, false, huge)));
    QCOMPARE(window.text(app::kTraditionalForce.number)->text(), session::qt(huge));
    QCOMPARE(window.text(app::kTraditionalResult.number)->text(), QString());
    QVERIFY(!window.perform(session::press(app::kTraditionalCommand.number)));
    QCOMPARE(tally.messages, 1);
}

void TestWidgetSession::randomSession()
{
    session::playRandomSession<WidgetSession>(kDefaultActions, kShrinkTime);
}

QTEST_MAIN(TestWidgetSession)
#include "tst_widget_session.moc"
