#pragma once

#include <string>

namespace common {

// The plain text of a number as the read-outs and the traditional result show it: at most 15
// significant digits, rounded, no trailing zeros, no point for a whole number, "0." before a
// fraction, a minus sign, no grouping. From 1E+15 up and below 1E-04 the exponent form is
// used ("1E+16", "1.5E-05", "-2.5E+300").
std::string formatGeneral(double value);

// The standard result's pattern "#######.##": rounded to two decimals, a half away from zero;
// every integer digit but no leading zero ("12.", ".5"); the point always; at most two
// decimals with trailing zeros dropped; a minus sign when the rounded value is not zero.
std::string formatTwoDecimals(double value);

} // namespace common
