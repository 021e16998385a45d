#pragma once
// A private settings world for one test: temporary folders for the program, the
// configuration home ($XDG_CONFIG_HOME), the home folder ($HOME) and the user's videos
// and pictures folders (through $XDG_CONFIG_HOME/user-dirs.dirs; not created). The
// environment comes back on destruction.
//
//   SettingsSandbox sandbox;
//   sandbox.writeProgramFile("Option.ini", "[Option]\nTemplate=#Name\n");
//   ProgramOptions options = sandbox.StartOptions();   // settings in sandbox.settingsFolder(),
//                                                      // output root under videosFolder()

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

    // Folders, each ending with "/". settingsFolder() is where LocateSettings() puts the settings.
    // The program's options as the program starts them from programFolder().
    ProgramOptions StartOptions() const;
    QString programFolder() const;
    QString configFolder() const;
    QString videosFolder() const;
    QString picturesFolder() const;
    QString homeFolder() const;
    QString settingsFolder() const;

    void writeProgramFile(const QString &name, const QByteArray &content) const;
    void writeSettingsFile(const QString &name, const QByteArray &content) const;   // creates the folder
    QByteArray readSettingsFile(const QString &name) const;                         // empty when missing

private:
    QString folder(const QString &name) const;
    QTemporaryDir root_;
    QByteArray savedConfigHome_;
    QByteArray savedHome_;
};
