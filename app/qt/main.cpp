#include "app/calculator/control_table.h"
#include "app/qt/qt_text.h"
#include "app/qt/screenshot.h"
#include "app/qt/window.h"
#include "app/qt/window_icon.h"

#include <QApplication>
#include <QCommandLineParser>
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

// The name of the installed desktop entry and icon; desktops match the window to them by it.
constexpr auto kDesktopEntry = "io.github.ropecalc.Ropecalc";

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));

    QApplication::setApplicationName(QStringLiteral("ropecalc"));
    QApplication::setApplicationDisplayName(qtview::qtText(app::kWindowCaption));
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntry));
    QApplication::setWindowIcon(qtview::windowIcon());

    QCommandLineParser options;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <file> once it is shown, then quit."),
        QStringLiteral("file"));
    options.addHelpOption();
    options.addOption(screenshot);
    options.process(application);

    qtview::Window window;
    window.show();
    if (options.isSet(screenshot))
        qtview::saveOnceExposed(window, options.value(screenshot));
    return QApplication::exec();
}
