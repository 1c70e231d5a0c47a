#include "app/control_table.h"
#include "app/form1.h"
#include "app/qt_text.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// While Qt looks for a display, hold its messages back: with none to be had it would print
// several lines and abort, where one plain line and an error exit serve the user better.
QStringList heldMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(
            "ropecalc: no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages << message;
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));

    QApplication::setApplicationName(QStringLiteral("ropecalc"));
    QApplication::setApplicationDisplayName(app::qtText(app::kWindowCaption));

    app::Form1 window;
    window.show();
    return QApplication::exec();
}
