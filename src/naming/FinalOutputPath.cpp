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
// The longest file name the file systems here take, in bytes.
constexpr qsizetype kNameLimitBytes = 255;

// Removes the last character, both halves of a surrogate pair at once.
void ChopCharacter(QString &text)
{
    text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
}

// prefix + name, shortened before the name's extension (and, should that not do,
// in the extension) until it fits the limit.
QString FittedName(const QString &prefix, const QString &name)
{
    const qsizetype lastDot = name.lastIndexOf(QLatin1Char('.'));
    QString extension = lastDot > 0 ? name.mid(lastDot) : QString();
    QString stem = name.left(name.size() - extension.size());
    const auto tooLong = [&] { return (prefix + stem + extension).toUtf8().size() > kNameLimitBytes; };
    while (tooLong() && !stem.isEmpty())
        ChopCharacter(stem);
    while (tooLong() && !extension.isEmpty())
        ChopCharacter(extension);
    return prefix + stem + extension;
}

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
    QString path = folder + FittedName(QString(), name);
    for (qint64 number = 1; PathIsTaken(path); ++number)
        path = folder + FittedName(QString::number(number) + QLatin1Char('-'), name);
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
