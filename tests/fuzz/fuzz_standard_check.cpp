#include "common/number_format.h"
#include "standard/check.h"
#include "tests/fuzz/check_reference.h"

#include <cstddef>
#include <cstdint>

namespace {

using standard::Core;
using standard::RopeClass;
using standard::WorkType;

// The buttons from letters anywhere in the first part of the input: a class digit 1 to 4, "f"
// or "s" for the core, "i" or "m" for installation or mine construction; the first one counts.
standard::Choices choicesFrom(std::string_view letters)
{
    standard::Choices choices;
    const std::size_t classAt = letters.find_first_of("1234");
    if (classAt != std::string_view::npos)
        choices.ropeClass = RopeClass(letters[classAt] - '1');
    const std::size_t coreAt = letters.find_first_of("fs");
    if (coreAt != std::string_view::npos)
        choices.core = letters[coreAt] == 'f' ? Core::Fibre : Core::Steel;
    const std::size_t workAt = letters.find_first_of("im");
    if (workAt != std::string_view::npos)
        choices.work = letters[workAt] == 'i' ? WorkType::Installation : WorkType::MineConstruction;
    return choices;
}

// The cases of the breaking force in kg, each tested on its own: the selected core's box in kN
// times 1000 / 9.8, and under mine construction times the coefficient of class and core.
std::optional<double> breakingInKg(std::string_view fibre, std::string_view steel, const standard::Choices &c)
{
    constexpr double q = 1000 / 9.8;
    const bool f = c.core == Core::Fibre;
    const bool s = c.core == Core::Steel;
    const bool install = c.work == WorkType::Installation;
    const bool mine = c.work == WorkType::MineConstruction;
    const auto is = [&c](RopeClass ropeClass) { return c.ropeClass == ropeClass; };
    const auto times = [](std::string_view box, double multiplier) -> std::optional<double> {
        const std::optional<double> kN = fuzz::wholeNumber(box);
        if (!kN)
            return std::nullopt;
        return *kN * multiplier;
    };
    std::optional<double> kg = 0.0;
    if (f && install)
        kg = times(fibre, q);
    if (s && install)
        kg = times(steel, q);
    if (f && mine && is(RopeClass::C6x19))
        kg = times(fibre, q * 1.197);
    if (s && mine && is(RopeClass::C6x19))
        kg = times(steel, q * 1.287);
    if (f && mine && is(RopeClass::C6x37))
        kg = times(fibre, q * 1.249);
    if (s && mine && is(RopeClass::C6x37))
        kg = times(steel, q * 1.336);
    if (f && mine && is(RopeClass::C6x61))
        kg = times(fibre, q * 1.25);
    if (s && mine && is(RopeClass::C6x61))
        kg = times(steel, q * 1.316);
    if (f && mine && is(RopeClass::C18x7))
        kg = times(fibre, q * 1.283);
    return kg;
}

common::Verdict expected(std::string_view fibre, std::string_view steel, std::string_view force,
    std::string_view purpose, const standard::Choices &choices)
{
    if (fuzz::leadingNumber(fibre) == 0 && fuzz::leadingNumber(steel) == 0)
        return common::Message { common::kChooseRopeMessage };
    return fuzz::expectedVerdict(breakingInKg(fibre, steel, choices), force, purpose);
}

} // namespace

// An input is "buttons|fibre-core breaking force|steel-core breaking force|force|purpose".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto parts = fuzz::fields(fuzz::textOf(data, size), 5);
    const standard::Choices choices = choicesFrom(parts[0]);
    const common::Verdict verdict = standard::check(parts[1], parts[2], parts[3], parts[4], choices);
    if (const std::optional<double> factor
        = fuzz::requireSameVerdict(verdict, expected(parts[1], parts[2], parts[3], parts[4], choices))) {
        const std::string text = common::formatTwoDecimals(*factor);
        fuzz::checkTwoDecimalsShape(text);
        fuzz::require(text == fuzz::expectedTwoDecimals(*factor), "check: the result's two decimals");
    }
    return 0;
}
