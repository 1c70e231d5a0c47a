#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// What the fuzz targets hold the product's number logic against: readers built on the standard
// library's converters instead of the product's own scanner, and the shapes both number formats
// must have. Kept apart from the product on purpose, so that one mistake cannot hide in both.
namespace fuzz {

// Stops the run with the input that broke the rule; libFuzzer saves it as a crash file.
inline void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

inline std::string_view textOf(const std::uint8_t *data, std::size_t size)
{
    return { reinterpret_cast<const char *>(data), size };
}

// Two values from each input: the text read by strtod, so that seeds can be written as numbers,
// and the first eight bytes taken as a double's bits, which reach every pattern there is.
inline std::array<double, 2> valuesOf(const std::uint8_t *data, std::size_t size)
{
    const std::string text(textOf(data, size));
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    return { std::strtod(text.c_str(), nullptr), std::bit_cast<double>(bits) };
}

// The parts of a text between the '|' separators of a fuzz input; missing parts are empty.
inline std::vector<std::string_view> fields(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos)
            break;
        parts.push_back(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    parts.push_back(text);
    parts.resize(count);
    return parts;
}

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The same value, and for a zero the same sign, or both empty.
inline bool sameNumber(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return !a && !b;
    return *a == *b && std::signbit(*a) == std::signbit(*b);
}

// The value of the longest number at the start of the text, which must start with a sign, a
// digit or a point and a digit. from_chars gives the value, or for a value beyond the double
// range strtod (as from_chars leaves it unset), which gives infinity for overflow and the
// nearest subnormal or zero for underflow. The plus sign, which from_chars does not take, is
// dropped first.
struct Prefix {
    double value;
    std::size_t length; // characters of the text the number takes, the sign included
};
inline std::optional<Prefix> numberPrefix(std::string_view text)
{
    std::size_t skipped = 0;
    if (!text.empty() && text.front() == '+')
        skipped = 1;
    const std::string_view rest = text.substr(skipped);
    const std::size_t digitAt = !rest.empty() && rest.front() == '-' ? 1 : 0;
    if (skipped && digitAt)
        return std::nullopt;
    // from_chars also reads "inf" and "nan", which are no numbers to the user.
    const bool startsNumber = digitAt < rest.size()
        && (isDigit(rest[digitAt])
            || (rest[digitAt] == '.' && digitAt + 1 < rest.size() && isDigit(rest[digitAt + 1])));
    if (!startsNumber)
        return std::nullopt;
    double value = 0;
    const std::from_chars_result result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec == std::errc::invalid_argument)
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        const std::string number(rest.data(), result.ptr);
        value = std::strtod(number.c_str(), nullptr);
    }
    return Prefix { value, skipped + std::size_t(result.ptr - rest.data()) };
}

// The leading-number reading: blanks anywhere are skipped, so read the text without them.
inline double leadingNumber(std::string_view text)
{
    std::string packed;
    std::copy_if(text.begin(), text.end(), std::back_inserter(packed), [](char c) { return !isBlank(c); });
    const std::optional<Prefix> prefix = numberPrefix(packed);
    return prefix ? prefix->value : 0.0;
}

// The whole-text conversion: blanks trimmed, then one finite number and nothing else.
inline std::optional<double> wholeNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    const std::optional<Prefix> prefix = numberPrefix(text);
    if (!prefix || prefix->length != text.size() || std::isinf(prefix->value))
        return std::nullopt;
    return prefix->value;
}

// A finite value rounded to 15 significant digits by printf: d1.d2...d15 times ten to `exponent`.
struct Decimal15 {
    bool negative;
    std::string digits;
    int exponent;
};
inline Decimal15 decimal15(double value)
{
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const std::string_view text(buffer, std::size_t(length));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits(1, text[negative ? 1 : 0]);
    digits += text.substr(negative ? 3 : 2, 14);
    return { negative, digits, std::atoi(buffer + e + 1) };
}

// The double nearest to the value written with 15 significant digits; infinity where that
// text lies beyond the largest double.
inline double nearestTo15Digits(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

// The general format of a finite value, checked part by part: an optional minus, then either
// plain digits with an optional point, or one digit, an optional point and digits, and an
// exponent "E+dd" or "E-dd". Then the reading of the text must give the value back to 15
// significant digits.
inline void checkGeneralFormat(double value, std::string_view text)
{
    require(!text.empty(), "general format: some text");
    const Decimal15 expected = decimal15(value);
    const bool zero = value == 0;
    std::string_view body = text;
    const bool minus = body.front() == '-';
    if (minus)
        body.remove_prefix(1);
    require(
        minus == (expected.negative && !zero), "general format: a minus sign exactly for a negative value");

    const std::size_t e = body.find('E');
    const bool exponentForm = e != std::string_view::npos;
    require(exponentForm == (!zero && (expected.exponent >= 15 || expected.exponent < -4)),
        "general format: exponent form exactly from 1E+15 up and below 1E-04");
    const std::string_view mantissa = body.substr(0, e);
    require(!mantissa.empty() && isDigit(mantissa.front()), "general format: starts with a digit");
    const std::size_t point = mantissa.find('.');
    std::size_t significant = 0;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (i == point)
            continue;
        require(isDigit(mantissa[i]), "general format: only digits and one point");
        if (significant > 0 || mantissa[i] != '0')
            ++significant;
    }
    require(significant <= 15, "general format: at most 15 significant digits");
    if (point != std::string_view::npos) {
        require(point + 1 < mantissa.size() && mantissa.back() != '0',
            "general format: a point only before digits, and no trailing zero after it");
        require(point == 1 || mantissa.front() != '0', "general format: no leading zero");
    } else {
        require(mantissa.size() == 1 || mantissa.front() != '0', "general format: no leading zero");
    }
    if (exponentForm) {
        require(point == std::string_view::npos || point == 1, "general format: one digit before the point");
        require(mantissa.front() != '0', "general format: the exponent form starts with a non-zero digit");
        const std::string_view exponent = body.substr(e + 1);
        require(exponent.size() >= 3 && (exponent.front() == '+' || exponent.front() == '-')
                && std::all_of(exponent.begin() + 1, exponent.end(), isDigit),
            "general format: an exponent of a sign and at least two digits");
    } else if (zero) {
        require(body == "0", "general format: zero is 0");
    }

    const double nearest = nearestTo15Digits(value);
    if (std::isinf(nearest))
        return; // 15 digits of the largest doubles lie beyond them: no double reads back
    const std::optional<double> readBack = wholeNumber(text);
    require(
        readBack && *readBack == nearest, "general format: reads back as the value to 15 significant digits");
}

// The "#######.##" text the value must give, worked out with whole numbers from printf's 15
// significant digits: the count of hundredths, rounded half up on the magnitude.
inline std::string expectedTwoDecimals(double value)
{
    const Decimal15 decimal = decimal15(value);
    std::string hundredths;
    const int shift = 12 - decimal.exponent; // digits below the hundredths
    if (shift <= 0) {
        hundredths = decimal.digits + std::string(std::size_t(-shift), '0');
    } else if (shift <= 15) {
        const std::uint64_t digits = std::stoull(decimal.digits);
        std::uint64_t scale = 1;
        for (int i = 0; i < shift; ++i)
            scale *= 10;
        std::uint64_t count = digits / scale;
        if (digits % scale >= scale / 2)
            ++count;
        hundredths = std::to_string(count);
    }
    if (hundredths.empty() || hundredths.find_first_not_of('0') == std::string::npos)
        return ".";
    // Built by appending only: g++ 12 warns wrongly (-Wrestrict) about inserting at the front.
    const std::size_t integerDigits = hundredths.size() > 2 ? hundredths.size() - 2 : 0;
    std::string decimals = hundredths.size() < 2 ? "0" : "";
    decimals.append(hundredths, integerDigits);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    std::string text = decimal.negative ? "-" : "";
    text.append(hundredths, 0, integerDigits);
    text += '.';
    text += decimals;
    return text;
}

// The "#######.##" shape: an optional minus, integer digits without a leading zero, exactly one
// point, at most two decimals without a trailing zero, and some digit unless the text is ".".
inline void checkTwoDecimalsShape(std::string_view text)
{
    std::string_view body = text;
    const bool minus = !body.empty() && body.front() == '-';
    if (minus)
        body.remove_prefix(1);
    const std::size_t point = body.find('.');
    require(point != std::string_view::npos && body.find('.', point + 1) == std::string_view::npos,
        "two decimals: exactly one point");
    const std::string_view integer = body.substr(0, point);
    const std::string_view decimals = body.substr(point + 1);
    require(std::all_of(integer.begin(), integer.end(), isDigit)
            && std::all_of(decimals.begin(), decimals.end(), isDigit),
        "two decimals: only digits besides the sign and the point");
    require(decimals.size() <= 2, "two decimals: at most two decimals");
    require(decimals.empty() || decimals.back() != '0', "two decimals: no trailing zero");
    require(integer.empty() || integer.front() != '0', "two decimals: no leading zero");
    require(!minus || !(integer.empty() && decimals.empty()), "two decimals: no minus before a bare point");
}

} // namespace fuzz
