#pragma once
// A private settings world for one test: temporary folders for the program, the
// configuration home ($XDG_CONFIG_HOME), the home folder ($HOME) and the user's videos
// and pictures folders (through $XDG_CONFIG_HOME/user-dirs.dirs; not created). The
// environment comes back on destruction.
//
//   SettingsSandbox sandbox;
//   sandbox.WriteProgramFile("Option.ini", "[Option]\nTemplate=#Name\n");
//   ProgramOptions options = sandbox.StartOptions();   // settings in sandbox.SettingsFolder(),
//                                                      // output root under VideosFolder()

#include "ProgramOptions.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class SettingsSandbox {
public:
    SettingsSandbox();
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox &) = delete;
    SettingsSandbox &operator=(const SettingsSandbox &) = delete;

    // Folders, each ending with "/". SettingsFolder() is where LocateSettings() puts the settings.
    // The program's options as the program starts them from ProgramFolder().
    ProgramOptions StartOptions() const;
    QString ProgramFolder() const;
    QString ConfigFolder() const;
    QString VideosFolder() const;
    QString PicturesFolder() const;
    QString HomeFolder() const;
    QString SettingsFolder() const;

    void WriteProgramFile(const QString &name, const QByteArray &content) const;
    void WriteSettingsFile(const QString &name, const QByteArray &content) const;   // creates the folder
    QByteArray ReadSettingsFile(const QString &name) const;                         // empty when missing

private:
    QString Folder(const QString &name) const;
    QTemporaryDir root_;
    QByteArray savedConfigHome_;
    QByteArray savedHome_;
};
