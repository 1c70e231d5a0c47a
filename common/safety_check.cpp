#include "common/safety_check.h"

#include "common/number_reading.h"
#include "common/purpose_table.h"

#include <cmath>

namespace common {

std::optional<double> requiredFactor(std::string_view purpose)
{
    if (const std::optional<double> factor = purposeFactor(purpose))
        return factor;
    if (leadingNumber(purpose) == 0)
        return std::nullopt;
    return wholeNumber(purpose);
}

Verdict judge(std::optional<double> breaking, std::string_view force, std::string_view purpose)
{
    if (leadingNumber(force) == 0)
        return Message { kEnterForceMessage };
    if (!breaking)
        return Message { kChooseRopeMessage };
    const std::optional<double> load = wholeNumber(force);
    if (!load)
        return Message { kEnterForceMessage };
    const std::optional<double> required = requiredFactor(purpose);
    if (!required)
        return Message { kChoosePurposeMessage };
    const double actual = *breaking / *load;
    if (!std::isfinite(actual))
        return Message { kEnterForceMessage };
    if (actual > *required)
        return Passed { actual };
    return TooWeak {};
}

} // namespace common
