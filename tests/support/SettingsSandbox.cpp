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
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Folder(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(Folder(QStringLiteral("home"))));
    WriteFile(ConfigFolder() + QStringLiteral("user-dirs.dirs"), "XDG_VIDEOS_DIR=\"$HOME/My Films\"\n"
                                                                   "XDG_PICTURES_DIR=\"$HOME/My Pictures\"\n");
}

SettingsSandbox::~SettingsSandbox()
{
    RestoreVariable("XDG_CONFIG_HOME", savedConfigHome_);
    RestoreVariable("HOME", savedHome_);
}

QString SettingsSandbox::Folder(const QString &name) const
{
    return root_.path() + QLatin1Char('/') + name + QLatin1Char('/');
}

QString SettingsSandbox::ProgramFolder() const { return Folder(QStringLiteral("program")); }
QString SettingsSandbox::ConfigFolder() const { return Folder(QStringLiteral("config")); }
QString SettingsSandbox::VideosFolder() const { return Folder(QStringLiteral("home/My Films")); }
QString SettingsSandbox::PicturesFolder() const { return Folder(QStringLiteral("home/My Pictures")); }
QString SettingsSandbox::HomeFolder() const { return Folder(QStringLiteral("home")); }

ProgramOptions SettingsSandbox::StartOptions() const
{
    return ProgramOptions::StartProgram(ProgramFolder());
}

QString SettingsSandbox::SettingsFolder() const
{
    return ConfigFolder() + QStringLiteral("Pelorin/") + kDisplayTitle + QLatin1Char('/');
}

void SettingsSandbox::WriteProgramFile(const QString &name, const QByteArray &content) const
{
    WriteFile(ProgramFolder() + name, content);
}

void SettingsSandbox::WriteSettingsFile(const QString &name, const QByteArray &content) const
{
    QDir().mkpath(SettingsFolder());
    WriteFile(SettingsFolder() + name, content);
}

QByteArray SettingsSandbox::ReadSettingsFile(const QString &name) const
{
    QFile file(SettingsFolder() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
