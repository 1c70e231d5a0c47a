#pragma once

#include <optional>
#include <string_view>

// Two ways of reading what the user typed. The point is the decimal separator whatever the
// user's locale, so the same text always gives the same number.
namespace common {

// The number that the text begins with, or 0 when it begins with none. Blanks (space, tab,
// CR, LF) are skipped wherever they stand; reading stops at the first character that cannot
// continue the number. Never fails: a number beyond the double range reads as +/-infinity,
// one too small for it as 0. Used only to ask "was anything entered?".
double leadingNumber(std::string_view text);

// The whole text as one number, with blanks allowed around it. Empty when the text is not
// one number as a whole ("12kg", "3,5", "", "inf") or lies beyond the double range ("1e999");
// a number too small for a double converts to 0. The checks compute with this value.
std::optional<double> wholeNumber(std::string_view text);

} // namespace common
