#include "standard/check.h"

#include "common/number_reading.h"

namespace standard {

namespace {

// What the breaking force in kN is multiplied by to give kg for the check; empty where the
// choices give no case, and the breaking force counts as 0.
std::optional<double> multiplier(const Choices &choices)
{
    if (!choices.core || !choices.work)
        return std::nullopt;
    if (*choices.work == WorkType::Installation)
        return kKgPerKn;
    if (!choices.ropeClass)
        return std::nullopt;
    const MineCoefficients &coefficients = kMineCoefficients.at(std::size_t(*choices.ropeClass));
    const std::optional<double> coefficient
        = *choices.core == Core::Fibre ? coefficients.fibre : coefficients.steel;
    if (!coefficient)
        return std::nullopt;
    return kKgPerKn * *coefficient;
}

} // namespace

std::optional<double> breakingForce(
    std::string_view fibreBreaking, std::string_view steelBreaking, const Choices &choices)
{
    const std::optional<double> factor = multiplier(choices);
    if (!factor)
        return 0.0;
    // The selected core's box, which is empty (not one number) if only the other holds one.
    std::optional<double> breaking
        = common::wholeNumber(*choices.core == Core::Fibre ? fibreBreaking : steelBreaking);
    if (breaking)
        *breaking *= *factor;
    return breaking;
}

common::Verdict check(std::string_view fibreBreaking, std::string_view steelBreaking, std::string_view force,
    std::string_view purpose, const Choices &choices)
{
    if (common::leadingNumber(fibreBreaking) == 0 && common::leadingNumber(steelBreaking) == 0)
        return common::Message { common::kChooseRopeMessage };
    return common::judge(breakingForce(fibreBreaking, steelBreaking, choices), force, purpose);
}

} // namespace standard
