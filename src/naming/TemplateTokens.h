#pragma once
// The six tokens of the output-name template and the texts that replace them.

#include "OutputPanelValues.h"

#include <QDate>
#include <QString>

namespace naming {

// The texts that stand in for the tokens of one clip.
struct TokenValues {
    QString name;         // "#Name"
    QString clipId;       // "#ClipID"
    QString length;       // "#Length"
    QString resolution;   // "#Resolution"
    QString date;         // "#Time"
    QString serial;       // "#SN"
};

// Sign, then at least `minimumDigits` digits: (-5, 3) gives "-005".
QString PaddedNumber(qint64 number, int minimumDigits);

// The serial number with fixedDigits clamped to 1..9.
QString SerialNumberText(qint64 serialNumber, int fixedDigits);

// Minutes with at least two digits, "m", seconds with two, "s": 3186 gives "53m06s".
QString LengthText(int durationSeconds);

// File name without folder and without the part from its last ".".
QString SourceNameStem(const QString &filePath);

// Month-day-year, "10-25-2009".
QString DateText(const QDate &date);

// The output size as "WxH": the resolution list's text while it is shown, else the
// size fields while they are enabled, else the source size; empty for a music target,
// whose output has no picture.
QString ResolutionText(const OutputPanelValues &panel, int sourceWidth, int sourceHeight);

// The template without surrounding blanks and control characters; "#SN" when nothing is left.
QString EffectiveTemplate(const QString &nameTemplate);

// Replaces every token in a fixed order on the growing text, so a token carried in by
// an earlier replacement (a source called "#SN trailer") is replaced as well. An empty
// resolution takes one separator beside its token with it; a name left empty is the serial.
QString ExpandTemplate(const QString &nameTemplate, const TokenValues &values);

} // namespace naming
