#include "RenameRules.h"

#include <QHash>

#include <cmath>
#include <limits>

namespace naming {

namespace {

const QHash<QString, QString> &TokenExplanations()
{
    static const QHash<QString, QString> explanations{
        {QStringLiteral("#Name"), QStringLiteral(" : Clip Name, such as Titanic, Transformers")},
        {QStringLiteral("#ClipID"), QStringLiteral(" : Clip List Index, such as Clip1, Clip2")},
        {QStringLiteral("#Length"), QStringLiteral(" : Output Clip Druation, such as 106m52s, 53m06s")},
        {QStringLiteral("#Resolution"), QStringLiteral(" : Output Clip Video Size, such as 720x480, 480x320")},
        {QStringLiteral("#Time"), QStringLiteral(" : File Processing Date, such as 10-25-2009, 03-07-2005")},
        {QStringLiteral("#SN"), QStringLiteral(" : Serial Number, such as 002, 03")},
    };
    return explanations;
}

} // namespace

QStringList TemplateTokenList()
{
    return {QStringLiteral("#Name"), QStringLiteral("#ClipID"), QStringLiteral("#Length"),
            QStringLiteral("#Resolution"), QStringLiteral("#Time"), QStringLiteral("#SN")};
}

QString TokenLabelCaption(const QString &token)
{
    return QLatin1Char('"') + token + QLatin1Char('"') + TokenExplanations().value(token);
}

QString AppendToken(const QString &templateText, const QString &token, bool addDash, bool addUnderscore)
{
    if (templateText.isEmpty())
        return token;
    if (addDash)
        return templateText + QLatin1Char('-') + token;
    if (addUnderscore)
        return templateText + QLatin1Char('_') + token;
    return templateText + token;
}

int NumberFieldValue(const QString &text)
{
    bool ok = false;
    const double value = std::trunc(text.trimmed().toDouble(&ok));
    if (!ok || std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace naming
