#include "common/number_format.h"
#include "tests/fuzz/reference.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// Two values from each input: the text read by strtod, so that seeds can be written as numbers,
// and the first eight bytes taken as a double's bits, which reach every pattern there is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    check(std::strtod(text.c_str(), nullptr));
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    check(std::bit_cast<double>(bits));
    return 0;
}
