#include "app/qt/screenshot.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <utility>

namespace qtview {

namespace {

// A window that has not come up in this time will not come up at all.
constexpr int kExposeTimeoutMs = 10000;

class ExposeWatch : public QObject {
public:
    ExposeWatch(QWidget &window, QString file)
        : QObject(&window)
        , m_window(window)
        , m_file(std::move(file))
    {
        m_window.windowHandle()->installEventFilter(this);
        QTimer::singleShot(kExposeTimeoutMs, this, [this] { finish(false, "the window did not come up"); });
        if (m_window.windowHandle()->isExposed())
            saveSoon();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window.windowHandle()->isExposed())
            saveSoon();
        return QObject::eventFilter(watched, event);
    }

private:
    // Leaves the exposing event to finish before the picture is taken.
    void saveSoon()
    {
        if (m_saving)
            return;
        m_saving = true;
        QTimer::singleShot(0, this, [this] {
            const bool saved = m_window.grab().save(m_file, "PNG");
            finish(saved, "could not write the picture");
        });
    }

    void finish(bool ok, const char *problem)
    {
        if (ok)
            std::printf("ropecalc: saved %s \"%s\" (%dx%d) to %s\n", qPrintable(m_window.objectName()),
                qUtf8Printable(m_window.windowTitle()), m_window.width(), m_window.height(),
                qPrintable(m_file));
        else
            std::fprintf(stderr, "ropecalc: %s: %s\n", problem, qPrintable(m_file));
        QCoreApplication::exit(ok ? 0 : 1);
    }

    QWidget &m_window;
    QString m_file;
    bool m_saving = false;
};

} // namespace

void saveOnceExposed(QWidget &window, const QString &file)
{
    window.winId(); // the native window must exist before its events can be watched
    new ExposeWatch(window, file);
}

} // namespace qtview
