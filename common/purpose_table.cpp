#include "common/purpose_table.h"

namespace common {

std::optional<double> purposeFactor(std::string_view text)
{
    for (const Purpose &purpose : kPurposes)
        if (purpose.text == text)
            return purpose.requiredFactor;
    return std::nullopt;
}

} // namespace common
