#include "SnapshotRules.h"

#include "TimeText.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace {
constexpr std::array<double, 4> kSnapshotAspects = {4.0 / 3.0, 16.0 / 9.0, 1.0, 2.21};

double AspectOfIndex(int aspectIndex, int width, int height)
{
    if (aspectIndex >= 0 && aspectIndex < static_cast<int>(kSnapshotAspects.size()))
        return kSnapshotAspects[static_cast<std::size_t>(aspectIndex)];
    return height > 0 ? static_cast<double>(width) / height : 0.0;
}
} // namespace

SnapshotFormat SnapshotFormatOfFilter(int filterIndex)
{
    if (filterIndex == 1)
        return SnapshotFormat::Jpeg;
    if (filterIndex == 2)
        return SnapshotFormat::Bmp;
    return SnapshotFormat::None;
}

QSize SnapshotSize(int width, int height, bool aspectFromCode, int aspectIndex)
{
    if (!aspectFromCode)
        return {width, height};
    const double aspect = AspectOfIndex(aspectIndex, width, height);
    if (aspect <= 0.0)
        return {width, height};   // no aspect known: keep the clip's own height
    int shaped = static_cast<int>(width / aspect);
    shaped -= shaped % 2;
    return {width, shaped};
}

QString SnapshotFileName(const QString &chosen, SnapshotFormat format)
{
    const QString suffix = QFileInfo(chosen).suffix().toUpper();
    if (format == SnapshotFormat::Bmp)
        return suffix == QLatin1String("BMP") ? chosen : chosen + QStringLiteral(".bmp");
    if (format == SnapshotFormat::Jpeg)
        return suffix == QLatin1String("JPG") ? chosen : chosen + QStringLiteral(".jpg");
    return {};
}

QString SnapshotProposedName(const QString &clipFileName, int second)
{
    return QFileInfo(clipFileName).completeBaseName() + QLatin1Char(' ')
        + TimeText(std::max(second, 0)).replace(QLatin1Char(':'), QLatin1Char('-'));
}

QString SnapshotStartFolder(const QString &lastFolder, const QString &picturesFolder)
{
    return lastFolder.isEmpty() ? picturesFolder : lastFolder;
}
