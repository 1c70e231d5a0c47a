#pragma once

#include "app/bindings.h"
#include "app/form1.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The window's model with no toolkit: a view that keeps the messages it was asked to show, and
// the name of every handler as it starts.
class ModelWindow final : private app::View {
public:
    ModelWindow()
        : m_form(*this)
    {
        m_form.watch([this](const app::Binding &binding) {
            log << QString::fromUtf8(binding.name.data(), qsizetype(binding.name.size()));
        });
    }
    ModelWindow(const ModelWindow &) = delete;
    ModelWindow &operator=(const ModelWindow &) = delete;

    app::Form1 &form() { return m_form; }
    app::Form1 *operator->() { return &m_form; }

    // What a test reads of the controls, as text.
    QString text(int n) const { return qt(m_form.text(app::text(n))); }
    QString listText(int n) const { return qt(m_form.text(app::combo(n))); }
    bool checked(int n) const { return m_form.checked(n); }
    bool enabled(app::Ref control) const { return m_form.state(control).enabled; }
    std::optional<common::Rgb> background(int n) const { return m_form.state(app::text(n)).background; }

    // What the user does.
    void select(int option) { m_form.select(option); }
    void pick(int combo, int item) { m_form.pick(combo, item); }
    void typeText(int box, const QString &typed) { m_form.type(app::text(box), typed.toStdString()); }
    void typeList(int combo, const QString &typed) { m_form.type(app::combo(combo), typed.toStdString()); }
    // Presses the button and returns the messages it showed.
    QStringList press(int command)
    {
        messages.clear();
        m_form.press(command);
        return messages;
    }

    QStringList log; // the handlers run, in the order they started
    QStringList messages; // the message boxes shown, in order
    QStringList changes; // every change of a control's state told to the view, as "Text6"
    // What a test does while a message box is open, before it is closed.
    std::function<void()> duringMessage;

    static QString qt(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

private:
    void stateChanged(app::Ref control) override
    {
        static constexpr std::array<const char *, app::kKindCount> kinds { "Frame", "Label", "Option", "Combo",
            "Text", "Command" };
        changes << QLatin1String(kinds.at(std::size_t(control.kind))) + QString::number(control.number);
    }
    void showMessage(std::string_view text) override
    {
        messages << qt(text);
        if (duringMessage)
            duringMessage();
    }

    app::Form1 m_form;
};
