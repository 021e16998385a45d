#include "RunNotice.h"

namespace conversion {

namespace {

QString Files(int count)
{
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}

} // namespace

RunNotice NoticeOfRun(int result, const QString &targetName, int clipCount, int failedCount, const QString &outputFolder)
{
    const int converted = clipCount - failedCount;
    if (result == 1 && failedCount == 0)
        return {QStringLiteral("%1 converted to %2").arg(Files(clipCount), targetName), outputFolder};
    if (result == 1)
        return {QStringLiteral("%1 of %2 failed").arg(failedCount).arg(clipCount),
                converted > 0 ? QStringLiteral("%1 converted to %2").arg(Files(converted), targetName)
                              : QStringLiteral("No file was converted")};
    if (result == 0)
        return {QStringLiteral("Conversion stopped"), QStringLiteral("Stopped by the user")};
    return {QStringLiteral("Conversion failed"), QString()};
}

} // namespace conversion
