#include "common/number_format.h"
#include "common/number_reading.h"
#include "tests/support/reference.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check(double value)
{
    const std::string text = common::formatGeneral(value);
    if (!std::isfinite(value))
        return;
    fuzz::checkGeneralFormat(value, text);
    // The calculator reads its own text back as the reference reading does.
    fuzz::require(fuzz::sameNumber(common::wholeNumber(text), fuzz::wholeNumber(text)),
        "general format: the text reads back the same in the calculator");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const double value : fuzz::valuesOf(data, size))
        check(value);
    return 0;
}
