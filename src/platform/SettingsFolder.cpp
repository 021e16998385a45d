#include "SettingsFolder.h"

#include "Paths.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace platform {

// The XDG rule: a relative $XDG_CONFIG_HOME is ignored.
QString ApplicationDataFolder()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return WithTrailingSlash(configured);
    return WithTrailingSlash(QDir::homePath() + QStringLiteral("/.config"));
}

QString UserVideosFolder()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return WithTrailingSlash(videos.isEmpty() ? QDir::homePath() : videos);
}

QString UserPicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return WithTrailingSlash(!pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath());
}

// The C locale is English text, so it names English rather than "C".
QString LocaleEnglishLanguageName()
{
    const QLocale::Language language = QLocale().language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return QStringLiteral("English");
    return QLocale::languageToString(language);
}

} // namespace platform
