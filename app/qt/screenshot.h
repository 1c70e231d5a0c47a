#pragma once

#include <QString>

class QWidget;

namespace qtview {

// Once the shown window is on screen, saves a picture of it as a PNG file and ends the event
// loop: with 0 if the file was written, 1 if not or if the window never came up. This lets a
// script prove the program shows its window even where no one can see the screen.
void saveOnceExposed(QWidget &window, const QString &file);

} // namespace qtview
