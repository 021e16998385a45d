#include "AddingReport.h"

namespace {
constexpr int kProgressBarWidth = 271;
}

AddingProgress AddingProgressAt(int done, int total)
{
    if (total <= 0)
        return {};
    const auto fraction = [done, total](int whole) {
        return static_cast<int>(static_cast<long long>(whole) * done / total);
    };
    return {fraction(kProgressBarWidth), fraction(100)};
}

QString FileWithReason(const QString &path, const QString &reason)
{
    return reason.isEmpty() ? path : path + QStringLiteral(" (") + reason + QLatin1Char(')');
}

QString UnsupportedFilesReport(const QStringList &rejectedLines)
{
    QString report = QStringLiteral("Some UNSUPPORTED file(s) format can not add in. \n\n");
    for (const QString &line : rejectedLines)
        report += line + QLatin1Char('\n');
    return report;
}
