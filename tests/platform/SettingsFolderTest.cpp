#include "SettingsFolder.h"
#include "SettingsSandbox.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(SettingsFolder, ApplicationDataFollowsXdgConfigHome)
{
    SettingsSandbox sandbox;
    EXPECT_EQ(ApplicationDataFolder(), sandbox.ConfigFolder());
    qputenv("XDG_CONFIG_HOME", "relative/config");   // ignored, as the XDG rules say
    EXPECT_EQ(ApplicationDataFolder(), QDir::homePath() + QStringLiteral("/.config/"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ApplicationDataFolder(), QDir::homePath() + QStringLiteral("/.config/"));
}

TEST(SettingsFolder, VideosFolderComesFromTheUsersDirectories)
{
    SettingsSandbox sandbox;
    EXPECT_EQ(UserVideosFolder(), sandbox.VideosFolder());
}

TEST(SettingsFolder, LanguageNameIsEnglish)
{
    const std::pair<QLocale::Language, const char *> cases[] = {
        {QLocale::German, "German"}, {QLocale::English, "English"}, {QLocale::French, "French"},
        {QLocale::Japanese, "Japanese"}, {QLocale::C, "English"},
    };
    const QLocale saved;
    for (const auto &[language, name] : cases) {
        QLocale::setDefault(QLocale(language));
        EXPECT_EQ(LocaleEnglishLanguageName(), QString::fromLatin1(name)) << name;
    }
    QLocale::setDefault(saved);
}

} // namespace
