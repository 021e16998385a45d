#include "SettingsSandbox.h"

#include "ProductTexts.h"

#include <QDir>
#include <QFile>

namespace {

void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("Cannot write %s", qPrintable(path));
    file.write(content);
}

void RestoreVariable(const char *name, const QByteArray &saved)
{
    if (saved.isNull())
        qunsetenv(name);
    else
        qputenv(name, saved);
}

} // namespace

SettingsSandbox::SettingsSandbox()
    : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")), savedHome_(qgetenv("HOME"))
{
    if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        savedConfigHome_ = QByteArray();
    for (const char *name : {"program", "config", "home"})
        QDir(root_.path()).mkdir(QLatin1String(name));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(folder(QStringLiteral("home"))));
    WriteFile(configFolder() + QStringLiteral("user-dirs.dirs"), "XDG_VIDEOS_DIR=\"$HOME/My Films\"\n"
                                                                   "XDG_PICTURES_DIR=\"$HOME/My Pictures\"\n");
}

SettingsSandbox::~SettingsSandbox()
{
    RestoreVariable("XDG_CONFIG_HOME", savedConfigHome_);
    RestoreVariable("HOME", savedHome_);
}

QString SettingsSandbox::folder(const QString &name) const
{
    return root_.path() + QLatin1Char('/') + name + QLatin1Char('/');
}

QString SettingsSandbox::programFolder() const { return folder(QStringLiteral("program")); }
QString SettingsSandbox::configFolder() const { return folder(QStringLiteral("config")); }
QString SettingsSandbox::videosFolder() const { return folder(QStringLiteral("home/My Films")); }
QString SettingsSandbox::picturesFolder() const { return folder(QStringLiteral("home/My Pictures")); }
QString SettingsSandbox::homeFolder() const { return folder(QStringLiteral("home")); }

ProgramOptions SettingsSandbox::StartOptions() const
{
    return ProgramOptions::StartProgram(programFolder());
}

QString SettingsSandbox::settingsFolder() const
{
    return configFolder() + QStringLiteral("Pelorin/") + kDisplayTitle + QLatin1Char('/');
}

void SettingsSandbox::writeProgramFile(const QString &name, const QByteArray &content) const
{
    WriteFile(programFolder() + name, content);
}

void SettingsSandbox::writeSettingsFile(const QString &name, const QByteArray &content) const
{
    QDir().mkpath(settingsFolder());
    WriteFile(settingsFolder() + name, content);
}

QByteArray SettingsSandbox::readSettingsFile(const QString &name) const
{
    QFile file(settingsFolder() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
