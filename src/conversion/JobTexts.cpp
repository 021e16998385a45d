#include "JobTexts.h"

#include <limits>

namespace conversion {

int LeadingDecimal(const QString &text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    qint64 value = 0;
    for (qsizetype i = negative ? 1 : 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < u'0' || unit > u'9' || value > std::numeric_limits<int>::max())
            break;
        value = value * 10 + (unit - u'0');
    }
    return int(negative ? -value : qMin<qint64>(value, std::numeric_limits<int>::max()));
}

QString SizeText(int width, int height)
{
    return QString::number(width) + QLatin1Char(':') + QString::number(height);
}

QString CutToCharacters(const QString &text, int count)
{
    if (text.size() <= count)
        return text;
    const bool splitsPair = count > 0 && text.at(count - 1).isHighSurrogate();
    return text.left(splitsPair ? count - 1 : count);
}

} // namespace conversion
