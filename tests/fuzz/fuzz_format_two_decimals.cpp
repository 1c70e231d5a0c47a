#include "common/number_format.h"
#include "tests/support/reference.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check(double value)
{
    const std::string text = common::formatTwoDecimals(value);
    if (!std::isfinite(value))
        return;
    fuzz::checkTwoDecimalsShape(text);
    fuzz::require(text == fuzz::expectedTwoDecimals(value),
        "two decimals: the value's 15 significant digits rounded to hundredths, half away from zero");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const double value : fuzz::valuesOf(data, size))
        check(value);
    return 0;
}
