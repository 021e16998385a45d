#include "LeadingNumbers.h"

#include <charconv>
#include <limits>

namespace {

// The text after leading blanks, with an optional sign taken off into `negative`.
QByteArray UnsignedPart(const QString &text, bool &negative)
{
    QByteArray bytes = text.toLatin1();
    qsizetype first = 0;
    while (first < bytes.size() && (bytes[first] == ' ' || bytes[first] == '\t'))
        ++first;
    negative = first < bytes.size() && bytes[first] == '-';
    if (first < bytes.size() && (bytes[first] == '-' || bytes[first] == '+'))
        ++first;
    return bytes.mid(first);
}

} // namespace

int32_t LeadingInteger(const QString &text)
{
    bool negative = false;
    const QByteArray digits = UnsignedPart(text, negative);
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    if (error == std::errc::invalid_argument)
        return 0;
    // Absurd answers saturate instead of wrapping around.
    if (error == std::errc::result_out_of_range || value > std::numeric_limits<int32_t>::max())
        return negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(negative ? -value : value);
}

double LeadingReal(const QString &text)
{
    bool negative = false;
    const QByteArray number = UnsignedPart(text, negative);
    const bool startsDecimal = !number.isEmpty() && (number[0] == '.' || (number[0] >= '0' && number[0] <= '9'));
    if (!startsDecimal)
        return 0.0;
    double value = 0.0;
    // The general format reads a decimal fraction with an optional exponent
    // without depending on the locale.
    const auto [end, error] = std::from_chars(number.cbegin(), number.cend(), value, std::chars_format::general);
    if (error != std::errc())
        return 0.0;
    return negative ? -value : value;
}

int32_t TruncatedInteger(double value)
{
    if (value != value)
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

float SinglePrecision(double value)
{
    if (value != value)
        return 0.0f;
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(value > largest ? largest : (value < -largest ? -largest : value));
}
