#include "common/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace common {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool isBlank(char c)
{
    return kBlanks.find(c) != std::string_view::npos;
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An exponent this large already lies far beyond the double range, even after it is offset by
// the position of the point in the longest text anyone could enter; capping it there keeps the
// meaning of every such text and the arithmetic free of overflow.
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;

// Beyond these decimal exponents no double exists; the converter is never asked about them.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kUnderflowExponent = -400;

// The number at the start of a text, taken apart. The value is 0.d1d2d3... = d1.d2d3... times
// ten to the power `exponent`, where the digits are `significant`.
struct ScannedNumber {
    bool hasDigits = false; // the mantissa has at least one digit, so there is a number at all
    bool negative = false;
    std::string significant; // from the first to the last non-zero digit; empty for zero
    std::int64_t exponent = 0; // decimal exponent of the first significant digit
    std::size_t end = 0; // position in the text just after the last character of the number
};

// Walks the text, optionally stepping over blanks wherever they stand.
class Cursor {
public:
    Cursor(std::string_view text, bool skipBlanks)
        : m_text(text)
        , m_skipBlanks(skipBlanks)
    {
    }

    // The next character, or '\0' at the end (a NUL cannot continue a number either).
    char peek()
    {
        while (m_skipBlanks && m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void advance() { ++m_pos; }
    std::size_t position() const { return m_pos; }

private:
    std::string_view m_text;
    bool m_skipBlanks;
    std::size_t m_pos = 0;
};

// Steps over an optional sign and tells whether it was a minus.
bool takeSign(Cursor &cursor)
{
    const char c = cursor.peek();
    if (c != '+' && c != '-')
        return false;
    cursor.advance();
    return c == '-';
}

// An exponent after the mantissa, "e" or "E", a sign and at least one digit. Without a digit
// it is no part of the number, and the cursor may then have moved past the "e".
std::optional<std::int64_t> scanExponent(Cursor &cursor)
{
    if (cursor.peek() != 'e' && cursor.peek() != 'E')
        return std::nullopt;
    cursor.advance();
    const bool negative = takeSign(cursor);
    std::optional<std::int64_t> exponent;
    for (char c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        cursor.advance();
        exponent = std::min(exponent.value_or(0) * 10 + (c - '0'), kExponentCap);
    }
    if (exponent && negative)
        *exponent = -*exponent;
    return exponent;
}

ScannedNumber scanNumber(std::string_view text, bool skipBlanks)
{
    ScannedNumber number;
    Cursor cursor(text, skipBlanks);
    number.negative = takeSign(cursor);

    // The mantissa. Leading zeros only move the point; trailing zeros are trimmed afterwards.
    std::int64_t digitsBeforePoint = 0;
    std::int64_t zerosBeforeSignificant = 0;
    bool seenPoint = false;
    for (char c = cursor.peek(); isDigit(c) || (c == '.' && !seenPoint); c = cursor.peek()) {
        cursor.advance();
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        number.hasDigits = true;
        digitsBeforePoint += seenPoint ? 0 : 1;
        if (c == '0' && number.significant.empty())
            ++zerosBeforeSignificant;
        else
            number.significant += c;
    }
    if (!number.hasDigits)
        return number;
    number.end = cursor.position();
    number.significant.erase(number.significant.find_last_not_of('0') + 1);

    if (const std::optional<std::int64_t> exponent = scanExponent(cursor)) {
        number.exponent = *exponent;
        number.end = cursor.position();
    }
    number.exponent += digitsBeforePoint - zerosBeforeSignificant - 1;
    return number;
}

double toDouble(const ScannedNumber &number)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    double magnitude = 0.0;
    if (number.significant.empty() || number.exponent < kUnderflowExponent) {
        magnitude = 0.0;
    } else if (number.exponent > kOverflowExponent) {
        magnitude = infinity;
    } else {
        // "d.ddd" followed by a small exponent, which the converter reads without a locale.
        std::string buffer = number.significant;
        if (buffer.size() > 1)
            buffer.insert(1, 1, '.');
        buffer += 'e';
        buffer += std::to_string(number.exponent);
        const std::from_chars_result result
            = std::from_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
        // The converter leaves the value untouched both for overflow and for underflow.
        if (result.ec == std::errc::result_out_of_range)
            magnitude = number.exponent > 0 ? infinity : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace

double leadingNumber(std::string_view text)
{
    const ScannedNumber number = scanNumber(text, true);
    return number.hasDigits ? toDouble(number) : 0.0;
}

std::optional<double> wholeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view trimmed = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);

    const ScannedNumber number = scanNumber(trimmed, false);
    if (!number.hasDigits || number.end != trimmed.size())
        return std::nullopt;
    const double value = toDouble(number);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace common
