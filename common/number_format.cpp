#include "common/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace common {

namespace {

constexpr int kSignificantDigits = 15;

// A finite value rounded to 15 significant digits: d1.d2...d15 times ten to `exponent`.
struct RoundedDecimal {
    bool negative;
    std::string digits; // always 15 of them, the first non-zero unless the value is zero
    int exponent;
};

RoundedDecimal roundToSignificantDigits(double value)
{
    // Room for "-d.", 14 decimals, "e-" and three exponent digits.
    std::array<char, 32> buffer {};
    char *const first = buffer.data();
    const std::to_chars_result written = std::to_chars(
        first, first + buffer.size(), value, std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view text(first, written.ptr);

    RoundedDecimal rounded { text.front() == '-', {}, 0 };
    if (rounded.negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    rounded.digits.reserve(kSignificantDigits);
    rounded.digits += text.front();
    rounded.digits += text.substr(2, e - 2);
    // from_chars for int takes no '+', so skip it.
    const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), rounded.exponent);
    return rounded;
}

std::optional<std::string> nonFiniteText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    return std::nullopt;
}

} // namespace

std::string formatGeneral(double value)
{
    if (auto text = nonFiniteText(value))
        return *text;
    if (value == 0.0)
        return "0";

    const RoundedDecimal rounded = roundToSignificantDigits(value);
    const std::string digits = rounded.digits.substr(0, rounded.digits.find_last_not_of('0') + 1);
    const int exponent = rounded.exponent;
    std::string text = rounded.negative ? "-" : "";

    if (exponent >= kSignificantDigits || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        // At most 15 integer digits here: the rounded digits, then the zeros trimmed off them.
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits)
            text += digits + std::string(integerDigits - digits.size(), '0');
        else
            text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    }
    return text;
}

std::string formatTwoDecimals(double value)
{
    if (auto text = nonFiniteText(value))
        return *text;

    // Rounding the 15-digit decimal form, not the binary value, is what makes 1.005 give 1.01
    // as the user expects from the digits they see.
    const RoundedDecimal rounded = roundToSignificantDigits(value);
    // How many leading digits reach down to the hundredths; they count the value in hundredths.
    const int kept = rounded.exponent + 3;
    std::string hundredths;
    if (kept >= 0) {
        const auto keptDigits = static_cast<std::size_t>(kept);
        if (keptDigits >= rounded.digits.size()) {
            hundredths = rounded.digits + std::string(keptDigits - rounded.digits.size(), '0');
        } else {
            hundredths = rounded.digits.substr(0, keptDigits);
            if (rounded.digits[keptDigits] >= '5') {
                // Half away from zero: the sign is kept apart, so round the magnitude up.
                auto digit = hundredths.rbegin();
                for (; digit != hundredths.rend() && *digit == '9'; ++digit)
                    *digit = '0';
                if (digit == hundredths.rend())
                    hundredths.insert(0, 1, '1');
                else
                    ++*digit;
            }
        }
    }

    // The digits start non-zero unless the value rounded to zero, which shows as the point alone.
    if (hundredths.find_first_not_of('0') == std::string::npos)
        return ".";
    if (hundredths.size() < 2)
        hundredths.insert(0, 2 - hundredths.size(), '0');

    const std::size_t pointAt = hundredths.size() - 2;
    std::string decimals = hundredths.substr(pointAt);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    std::string text = rounded.negative ? "-" : "";
    text.append(hundredths, 0, pointAt);
    text += '.';
    text += decimals;
    return text;
}

} // namespace common
