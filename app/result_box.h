#pragma once

#include "common/safety_check.h"

#include <string>

class QLineEdit;
class QWidget;

// A check's result box: empty on white, a safety factor, or "重选钢丝绳" on red.
namespace app {

// Empties the box, then makes it white: what every change of a check's input does.
void clearResult(QLineEdit *result);

// Makes the box white and leaves its text alone.
void whitenResult(QLineEdit *result);

// Shows what the check found: a message box over `window` (the result box keeps what it
// held), the factor written by `format` (the background is left alone), or the red warning.
void showVerdict(
    QWidget *window, QLineEdit *result, const common::Verdict &verdict, std::string (*format)(double));

} // namespace app
