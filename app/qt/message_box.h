#pragma once

class QString;
class QWidget;

namespace qtview {

// The window's way of reporting a missing input: a modal box with the fixed text, one OK
// button, no icon and the application's title. Returns when the user has closed it.
void showMessage(QWidget *parent, const QString &text);

// The About box: the program's name, version and licence; OK closes it.
void showAbout(QWidget *parent);

} // namespace qtview
