#pragma once
// Small text helpers of job assembly.

#include <QString>

namespace conversion {

// The decimal number at the start of a text (an optional "-" and digits); 0 when none.
int LeadingDecimal(const QString &text);

// "W:H", the engine's form of a size.
QString SizeText(int width, int height);

// At most `count` characters, never splitting a character made of two UTF-16 units.
QString CutToCharacters(const QString &text, int count);

} // namespace conversion
