#pragma once

#include "recording_form.h"
#include "window_controls.h"

#include <QTest>
#include <memory>

// The real window, new for each test function and shown on the offscreen platform, with its
// controls at hand by number as the handlers name them.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<RecordingForm> m_form;

    // For init(): every test function starts from the window as it opens.
    bool openWindow()
    {
        m_form = std::make_unique<RecordingForm>();
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
