#pragma once

#include "common/safety_check.h"

#include <cstddef>
#include <string>

// What the handlers do, frame by frame; bindings.cpp binds them to their controls and events.
// A class, list or grade is passed by its position in its named group (control_table.h).
namespace app {

class Form1;

// The rope classes, which also choose the method (class_handlers.cpp).
void pickTraditionalClass(Form1 &form, std::size_t rank);
void pickStandardClass(Form1 &form, std::size_t rank);

// The traditional method (traditional_handlers.cpp).
void pickTraditionalGrade(Form1 &form);
void lookUpTraditional(Form1 &form, std::size_t rank);
void checkTraditional(Form1 &form);

// The standard method (standard_handlers.cpp).
void pickStandardGrade(Form1 &form);
void pickFibreCore(Form1 &form);
void pickSteelCore(Form1 &form);
void lookUpStandard(Form1 &form, std::size_t rank);
void checkStandard(Form1 &form);

// A check's result box (result_box.cpp): emptied on white whenever an input of the check
// changes; the factor, the red warning or a message once the check has run.
void clearResult(Form1 &form, int box);
void showVerdict(Form1 &form, int box, const common::Verdict &verdict, std::string (*format)(double));

} // namespace app
