#include "ModalQuestions.h"

namespace platform {

namespace {

// "*.avi; *.mp4" -> "*.avi *.mp4"; "*.*" means every file, which Qt writes "*".
QString QtPatterns(const QString &windowsPatterns)
{
    QStringList patterns;
    for (const QString &pattern : windowsPatterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty())
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
}

} // namespace

// Pairs of description and patterns; a description without patterns matches every
// file, and a pair without a description is named by its patterns.
QString QtFilterFromWindowsFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index < parts.size(); index += 2) {
        const QString patterns = QtPatterns(parts.value(index + 1));
        QString description = parts.at(index).trimmed();
        description.replace(QLatin1String(";;"), QLatin1String(";"));
        if (description.isEmpty() && parts.value(index + 1).trimmed().isEmpty())
            continue;
        // "JPG (*.jpg)" already names its patterns as Qt reads them; "All (*.*)" does not ("*").
        const QString qtPatterns = QStringLiteral(" (") + patterns + QLatin1Char(')');
        if (description.endsWith(qtPatterns))
            filters.append(description);
        else
            filters.append((description.isEmpty() ? patterns : description) + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace platform
