#include "standard/check.h"

#include "common/number_reading.h"

#include <array>

namespace standard {

namespace {

// kN to kg: 1000 N per kN, 9.8 N per kg, not rounded.
constexpr double kKgPerKn = 1000 / 9.8;

// Under "矿建" the breaking force is scaled by a coefficient of class and core. 18×7＋1 has no
// steel core.
struct MineCoefficients {
    double fibre;
    std::optional<double> steel;
};

constexpr std::array<MineCoefficients, 4> kMineCoefficients { {
    { 1.197, 1.287 }, // 6×19＋1
    { 1.249, 1.336 }, // 6×37＋1
    { 1.25, 1.316 }, // 6×61＋1
    { 1.283, std::nullopt }, // 18×7＋1
} };

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
