#pragma once

#include "app/calculator/bindings.h"
#include "app/qt/window.h"
#include "tests/support/form_seam.h"
#include "tests/support/window_controls.h"

#include <QStringList>
#include <QTest>
#include <memory>

// The real window, new for each test function and shown on the offscreen platform, with its
// controls at hand by number and the name of every handler as it starts.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<qtview::Window> m_form;
    QStringList m_log;

    // For init(): every test function starts from the window as it opens.
    bool openWindow()
    {
        m_form = std::make_unique<qtview::Window>();
        m_log.clear();
        app::testing::Seam::watch(m_form->form(),
            [this](const app::Binding &binding) { m_log << QString::fromStdString(app::nameOf(binding)); });
        m_form->show();
        return QTest::qWaitForWindowExposed(m_form.get());
    }

    WindowControls controls() const { return WindowControls(m_form.get()); }
    QRadioButton *option(int n) const { return controls().option(n); }
    QComboBox *combo(int n) const { return controls().combo(n); }
    QLineEdit *text(int n) const { return controls().text(n); }
    QPushButton *command(int n) const { return controls().command(n); }
    void click(int n) const { QTest::mouseClick(option(n), Qt::LeftButton); }
};
