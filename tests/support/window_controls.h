#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

// The window's controls found by their names, as a test, a screen reader or a person finds them.
class WindowControls {
public:
    explicit WindowControls(const QWidget *form)
        : m_form(form)
    {
    }

    template <typename T> T *find(const QString &name) const
    {
        // Tests run in Release, where an assertion would vanish and leave a null pointer.
        T *control = m_form->findChild<T *>(name);
        if (!control)
            qFatal("the window has no control %s", qPrintable(name));
        return control;
    }
    QRadioButton *option(int n) const { return find<QRadioButton>("Option" + QString::number(n)); }
    QComboBox *combo(int n) const { return find<QComboBox>("Combo" + QString::number(n)); }
    QLineEdit *text(int n) const { return find<QLineEdit>("Text" + QString::number(n)); }
    QPushButton *command(int n) const { return find<QPushButton>("Command" + QString::number(n)); }

private:
    const QWidget *m_form;
};
