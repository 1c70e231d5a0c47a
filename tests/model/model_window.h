#pragma once

#include "app/calculator/bindings.h"
#include "app/calculator/form1.h"
#include "common/colours.h"
#include "common/safety_check.h"
#include "tests/support/form_seam.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The window's model with no toolkit: a view that keeps the messages it was asked to show, and
// the name of every handler as it starts.
class ModelWindow final : private app::View {
public:
    ModelWindow()
        : m_form(*this)
    {
        app::testing::Seam::watch(m_form,
            [this](const app::Binding &binding) { log << QString::fromStdString(app::nameOf(binding)); });
    }
    ModelWindow(const ModelWindow &) = delete;
    ModelWindow &operator=(const ModelWindow &) = delete;

    app::Form1 &form() { return m_form; }
    app::Form1 *operator->() { return &m_form; }
    // The controls as a handler writes them.
    app::Controls &controls() { return app::testing::Seam::controls(m_form); }

    // What a test reads of the controls, as text.
    QString text(int n) const { return qt(m_form.state(app::text(n)).text); }
    QString listText(int n) const { return qt(m_form.state(app::combo(n)).text); }
    int item(int combo) const { return m_form.state(app::combo(combo)).item; }
    bool checked(int n) const { return m_form.state(app::option(n)).checked; }
    bool enabled(app::Ref control) const { return m_form.state(control).enabled; }
    // A box's colour by name, so that rows and failures read plainly: "white", "red", "default"
    // for the toolkit's own, or else its three components.
    QString colour(int n) const
    {
        const std::optional<common::Rgb> rgb = m_form.state(app::text(n)).background;
        if (!rgb)
            return QStringLiteral("default");
        if (*rgb == common::kResultWhite)
            return QStringLiteral("white");
        if (*rgb == common::kResultRed)
            return QStringLiteral("red");
        return QStringLiteral("%1,%2,%3").arg(rgb->red).arg(rgb->green).arg(rgb->blue);
    }

    // What the user does.
    void select(int option) { m_form.select(app::option(option)); }
    void pick(int combo, int item) { m_form.pick(app::combo(combo), item); }
    void typeText(int box, const QString &typed) { m_form.type(app::text(box), typed.toStdString()); }
    void typeList(int combo, const QString &typed) { m_form.type(app::combo(combo), typed.toStdString()); }
    // Puts a state that no flow of input needs to reach, running nothing: the control keeps the
    // rest of its state.
    void preset(app::Ref control, const std::function<void(app::ControlState &)> &change)
    {
        app::ControlState state = m_form.state(control);
        change(state);
        app::testing::Seam::preset(m_form, control, std::move(state));
    }
    void presetText(app::Ref control, std::string_view text)
    {
        preset(control, [text](app::ControlState &state) { state.text = text; });
    }
    // A list showing one of its items, as a pick leaves it.
    void presetItem(int combo, int item)
    {
        preset(app::combo(combo), [this, combo, item](app::ControlState &state) {
            state.item = item;
            state.text = m_form.items(app::combo(combo)).at(std::size_t(item));
        });
    }
    // The red warning of a failed check, so that a reset that empties or whitens it shows.
    void presetWarning(int box)
    {
        preset(app::text(box), [](app::ControlState &state) {
            state.text = common::kTooWeakText;
            state.background = common::kResultRed;
        });
    }
    // Presses the button and returns the messages it showed.
    QStringList press(int command)
    {
        messages.clear();
        m_form.press(app::command(command));
        return messages;
    }

    QStringList log; // the handlers run, in the order they started
    QStringList messages; // the message boxes shown, in order
    QStringList changes; // every change of a control's state told to the view, as "Text6"
    // What a test does while a message box is open, before it is closed.
    std::function<void()> duringMessage;

    static QString qt(std::string_view text)
    {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }

private:
    void stateChanged(app::Ref control) override
    {
        changes << qt(app::kKindNames.at(std::size_t(control.kind))) + QString::number(control.number);
    }
    void showMessage(std::string_view text) override
    {
        messages << qt(text);
        if (duringMessage)
            duringMessage();
    }

    app::Form1 m_form;
};
