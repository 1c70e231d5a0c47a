#include "common/number_reading.h"
#include "tests/support/reference.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

// Any text at all: the leading-number reading never fails, gives 0 for a text that does not
// begin with a number, and otherwise the value of the number it begins with, blanks skipped.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::textOf(data, size);
    const double actual = common::leadingNumber(text);
    const double expected = fuzz::leadingNumber(text);
    fuzz::require(!std::isnan(actual), "leading number: never NaN");
    fuzz::require(actual == expected && std::signbit(actual) == std::signbit(expected),
        "leading number: the value of the number the text begins with, or 0");
    // A text that is one number as a whole begins with that very number.
    if (const std::optional<double> whole = common::wholeNumber(text))
        fuzz::require(*whole == actual, "leading number: agrees with the whole-text conversion");
    return 0;
}
