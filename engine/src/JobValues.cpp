#include "JobValues.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

extern "C" {
#include <libavutil/rational.h>
}

namespace korvid {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Splits "A<separator>B" into two numbers.
std::optional<std::pair<double, double>> ParsePair(std::string_view text, char separator)
{
    const size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    auto first = ParseNumber(text.substr(0, at));
    auto second = ParseNumber(text.substr(at + 1));
    if (!first || !second)
        return std::nullopt;
    return std::make_pair(*first, *second);
}

// Broadcast rates that rounded texts such as "29.97" stand for.
std::optional<Fraction> SnappedBroadcastRate(double rate)
{
    for (int numerator : {24000, 30000, 60000}) {
        if (std::fabs(rate - numerator / 1001.0) <= 0.002)
            return Fraction{numerator, 1001};
    }
    return std::nullopt;
}

} // namespace

TextValue ReadText(const char *text)
{
    if (!text)
        return {};
    std::string value(Trimmed(text));
    if (value.empty() || EqualsIgnoringCase(value, "nodef"))
        return {};
    return {true, value};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string LowerCase(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::optional<double> ParseNumber(std::string_view text)
{
    std::string value(Trimmed(text));
    std::replace(value.begin(), value.end(), ',', '.');
    if (value.empty() || value.size() > 32)
        return std::nullopt;
    // strtod follows the C locale, which the host never changes for numbers.
    char *end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end != value.c_str() + value.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<PixelSize> ParseSize(std::string_view text)
{
    auto pair = ParsePair(Trimmed(text), ':');
    if (!pair || pair->first < 1 || pair->second < 1 || pair->first > 16384 || pair->second > 16384)
        return std::nullopt;
    return PixelSize{int(pair->first), int(pair->second)};
}

std::optional<Fraction> ParseFrameRate(std::string_view text)
{
    double rate = 0;
    if (auto pair = ParsePair(Trimmed(text), '/')) {
        if (pair->second <= 0)
            return std::nullopt;
        rate = pair->first / pair->second;
    } else if (auto number = ParseNumber(text)) {
        rate = *number;
    } else {
        return std::nullopt;
    }
    if (!(rate > 0) || rate > 1000)
        return std::nullopt;
    if (auto broadcast = SnappedBroadcastRate(rate))
        return broadcast;
    return FractionFromDouble(rate, 1001);
}

std::optional<DisplayAspectValue> ParseDisplayAspect(std::string_view text)
{
    auto pair = ParsePair(Trimmed(text), ':');
    if (!pair)
        pair = ParsePair(Trimmed(text), '/');
    if (!pair || pair->first <= 0 || pair->second <= 0)
        return std::nullopt;
    if (pair->first == pair->second && pair->first == 1 && text.find(':') != std::string_view::npos)
        return DisplayAspectValue{true, 0};
    const double ratio = pair->first / pair->second;
    if (ratio < 0.05 || ratio > 20)
        return std::nullopt;
    return DisplayAspectValue{false, ratio};
}

Fraction FractionFromDouble(double value, int maxDenominator)
{
    const AVRational rational = av_d2q(value, maxDenominator);
    return {rational.num, rational.den};
}

} // namespace korvid
