#include "TemplateTokens.h"

#include "TargetCatalogue.h"

#include <algorithm>
#include <cstdlib>

namespace naming {

namespace {

// The list item that stands for "keep the source size" (HD targets in aspect mode 1).
const QString kOriginalSizeItem = QStringLiteral("Original Width : Height");

bool IsBlankOrControl(QChar character)
{
    return character.unicode() <= 0x20;
}

bool IsNameSeparator(QChar character)
{
    return QStringLiteral("-_. ").contains(character);
}

// Replaces `token` by nothing together with one separator beside it (the one before,
// else the one after), so "#Name-#Resolution-#SN" gives "name-001", not "name--001".
void RemoveTokenWithSeparator(QString &text, const QString &token)
{
    for (qsizetype at = text.indexOf(token); at >= 0; at = text.indexOf(token, at)) {
        qsizetype from = at;
        qsizetype length = token.size();
        if (at > 0 && IsNameSeparator(text.at(at - 1))) {
            --from;
            ++length;
        } else if (at + length < text.size() && IsNameSeparator(text.at(at + length))) {
            ++length;
        }
        text.remove(from, length);
        at = from;
    }
}

} // namespace

QString PaddedNumber(qint64 number, int minimumDigits)
{
    const QString digits = QString::number(std::llabs(number)).rightJustified(minimumDigits, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

QString SerialNumberText(qint64 serialNumber, int fixedDigits)
{
    return PaddedNumber(serialNumber, std::clamp(fixedDigits, 1, 9));
}

QString LengthText(int durationSeconds)
{
    return PaddedNumber(durationSeconds / 60, 2) + QLatin1Char('m')
        + PaddedNumber(durationSeconds % 60, 2) + QLatin1Char('s');
}

QString SourceNameStem(const QString &filePath)
{
    const QString fileName = filePath.section(QLatin1Char('/'), -1);
    const qsizetype lastDot = fileName.lastIndexOf(QLatin1Char('.'));
    return lastDot < 0 ? fileName : fileName.left(lastDot);
}

QString DateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

QString ResolutionText(const OutputPanelValues &panel, int sourceWidth, int sourceHeight)
{
    if (targets::IsMusicTarget(panel.targetNumber))
        return QString();
    const QString sourceSize = QStringLiteral("%1x%2").arg(sourceWidth).arg(sourceHeight);
    if (panel.resolutionListShown) {
        // "Original Width : Height" keeps the source size, so the name shows that size.
        if (panel.resolutionText == kOriginalSizeItem)
            return sourceSize;
        return QString(panel.resolutionText).replace(QLatin1Char(':'), QLatin1Char('x'));
    }
    if (panel.sizeFieldsEnabled)
        return panel.widthText + QLatin1Char('x') + panel.heightText;
    return sourceSize;
}

QString EffectiveTemplate(const QString &nameTemplate)
{
    const auto first = std::find_if_not(nameTemplate.cbegin(), nameTemplate.cend(), IsBlankOrControl);
    const auto last = std::find_if_not(nameTemplate.crbegin(), nameTemplate.crend(), IsBlankOrControl).base();
    const QString trimmed = first < last ? QString(first, last - first) : QString();
    return trimmed.isEmpty() ? QStringLiteral("#SN") : trimmed;
}

QString ExpandTemplate(const QString &nameTemplate, const TokenValues &values)
{
    QString text = EffectiveTemplate(nameTemplate);
    text.replace(QStringLiteral("#Name"), values.name);
    text.replace(QStringLiteral("#ClipID"), values.clipId);
    text.replace(QStringLiteral("#Length"), values.length);
    if (values.resolution.isEmpty())
        RemoveTokenWithSeparator(text, QStringLiteral("#Resolution"));
    else
        text.replace(QStringLiteral("#Resolution"), values.resolution);
    text.replace(QStringLiteral("#Time"), values.date);
    text.replace(QStringLiteral("#SN"), values.serial);
    return text.isEmpty() ? values.serial : text;
}

} // namespace naming
