#include "FinalOutputPath.h"

#include <QDir>
#include <QFileInfo>

namespace naming {

namespace {

bool IsForbiddenInName(QChar character)
{
    static const QString forbidden = QStringLiteral("\\/*:?\"<>|");
    return character.isNull() || forbidden.contains(character);
}

// An empty folder stays empty rather than becoming the file-system root.
QString WithTrailingSlash(const QString &folder)
{
    return folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString CleanOutputName(const QString &outputName, const QString &fallbackName)
{
    QString name = outputName;
    for (QChar &character : name) {
        if (IsForbiddenInName(character))
            character = QLatin1Char('_');
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return fallbackName;
    return name;
}

bool PathIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString UniqueOutputPath(const QString &folder, const QString &name)
{
    QString path = folder + name;
    for (qint64 number = 1; PathIsTaken(path); ++number)
        path = folder + QString::number(number) + QLatin1Char('-') + name;
    return path;
}

QString TargetOutputFolder(const QString &outputRoot, const QString &targetFolder)
{
    return WithTrailingSlash(WithTrailingSlash(outputRoot) + targetFolder);
}

QString FinalOutputPathIn(const QString &folder, const QString &outputName, const QString &fallbackName)
{
    QDir().mkpath(folder);
    return UniqueOutputPath(folder, CleanOutputName(outputName, fallbackName));
}

} // namespace naming
