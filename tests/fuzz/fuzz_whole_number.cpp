#include "common/number_reading.h"
#include "tests/support/reference.h"

#include <cstddef>
#include <cstdint>

// Any text at all: the whole-text conversion accepts exactly the texts that are one finite
// number with blanks around it, and gives the value the standard library's converter gives.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = fuzz::textOf(data, size);
    fuzz::require(fuzz::sameNumber(common::wholeNumber(text), fuzz::wholeNumber(text)),
        "whole number: agrees with the reference converter");
    return 0;
}
