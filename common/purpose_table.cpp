#include "common/purpose_table.h"

#include <algorithm>

namespace common {

std::optional<double> purposeFactor(std::string_view text)
{
    const auto purpose = std::find_if(kPurposes.begin(), kPurposes.end(),
        [text](const Purpose &candidate) { return candidate.text == text; });
    if (purpose == kPurposes.end())
        return std::nullopt;
    return purpose->requiredFactor;
}

} // namespace common
