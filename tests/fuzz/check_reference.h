#pragma once

#include "common/safety_check.h"
#include "tests/support/reference.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

// Both checks worked out again from the rules a user sees: the three messages in their order,
// the purposes and their factors, and the quotient against the required factor. The readings
// are the reference ones, so a check target also catches a reading the checks misuse.
namespace fuzz {

inline constexpr std::array<std::pair<std::string_view, double>, 8> kPurposeFactors { {
    { "缆绳3.5", 3.5 },
    { "绑扎绳10", 10 },
    { "地锚绳3.5", 3.5 },
    { "井架提升6", 6 },
    { "矿井提人9", 9 },
    { "矿井提物7.5", 7.5 },
    { "矿井悬吊6", 6 },
    { "载人升降14", 14 },
} };

// `breaking` is the breaking force in the unit of the force, empty when its box did not convert.
inline common::Verdict expectedVerdict(
    std::optional<double> breaking, std::string_view force, std::string_view purpose)
{
    if (leadingNumber(force) == 0)
        return common::Message { common::kEnterForceMessage };
    if (!breaking)
        return common::Message { common::kChooseRopeMessage };
    const std::optional<double> load = wholeNumber(force);
    if (!load)
        return common::Message { common::kEnterForceMessage };
    std::optional<double> required;
    for (const auto &[text, factor] : kPurposeFactors)
        if (!required && purpose == text)
            required = factor;
    if (!required) {
        if (leadingNumber(purpose) == 0)
            return common::Message { common::kChoosePurposeMessage };
        required = wholeNumber(purpose);
        if (!required)
            return common::Message { common::kChoosePurposeMessage };
    }
    const double actual = *breaking / *load;
    if (!std::isfinite(actual))
        return common::Message { common::kEnterForceMessage };
    if (actual > *required)
        return common::Passed { actual };
    return common::TooWeak {};
}

// The same verdict: the same message, or the very same factor, or both too weak. Returns the
// factor of a pass, for the caller to check the text it is shown as.
inline std::optional<double> requireSameVerdict(
    const common::Verdict &actual, const common::Verdict &expected)
{
    require(actual.index() == expected.index(), "check: the verdict's kind");
    if (const auto *message = std::get_if<common::Message>(&actual)) {
        require(message->text == std::get<common::Message>(expected).text, "check: the message");
        return std::nullopt;
    }
    if (const auto *passed = std::get_if<common::Passed>(&actual)) {
        const double factor = std::get<common::Passed>(expected).factor;
        require(std::isfinite(passed->factor) && passed->factor == factor, "check: the safety factor");
        return passed->factor;
    }
    return std::nullopt;
}

} // namespace fuzz
