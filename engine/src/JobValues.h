#pragma once
// Reading the texts that a target entry point receives: numbers, sizes, frame
// rates and display aspects. "nodef", an empty text and a null pointer all mean
// "not given"; a text that is given but cannot be read is an error.

#include <optional>
#include <string>
#include <string_view>

namespace korvid {

struct Fraction {
    int numerator = 0;
    int denominator = 1;
    double Value() const { return denominator ? double(numerator) / denominator : 0.0; }
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A text value that may be absent; `given` is false for null, "" and "nodef".
struct TextValue {
    bool given = false;
    std::string text;
};

TextValue ReadText(const char *text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string LowerCase(std::string_view text);

// A decimal number with "." or "," as separator, blanks around allowed.
std::optional<double> ParseNumber(std::string_view text);

// "W:H" with both parts at least 1.
std::optional<PixelSize> ParseSize(std::string_view text);

// "30000/1001", "25", "23.976" or "29,97". Within 0.002 of 24000/1001, 30000/1001 or
// 60000/1001 the exact fraction is returned. Rates outside (0, 1000] are errors.
std::optional<Fraction> ParseFrameRate(std::string_view text);

// "4:3", "16:9", "2.21:1" or "W/H" as a ratio of display width to height; "1:1"
// means square pixels. Unreadable texts: error.
struct DisplayAspectValue {
    bool squarePixels = false;
    double ratio = 0;   // display width / height when !squarePixels
};
std::optional<DisplayAspectValue> ParseDisplayAspect(std::string_view text);

// Closest fraction with a bounded denominator.
Fraction FractionFromDouble(double value, int maxDenominator);

} // namespace korvid
