#pragma once
// The program's options: its folder, the settings folder and the values kept in the
// settings folder's "Option.ini" (section "Option"). The program makes one object at
// start-up and hands it to the parts that use an option; a reader such as the
// command-line converter makes its own. Values change in memory; the file changes only
// through a Save call, and never for a read-only object.

#include "RenameSettings.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {
class IniDocument;
}

// The twelve audio-language names that "DefaultAudio" indexes (1 = "English").
QStringList AudioLanguageNames();

// The output root for a stored "OutputFolder": the stored folder when it exists, else the
// user's videos folder + "OutputFolder/"; always ending with "/".
QString ResolveOutputFolder(const QString &storedFolder);

// Folders on a PSP, relative to its root, for uploading converted files.
struct PspFolders {
    QString upload;   // "PSPUploadFolder": the folder that tells a PSP's root; empty: any removable volume
    QString avc;      // "PSPAVCFolder": where "MAQ" files go
    QString mp4;      // "PSPMP4Folder": where "M4V" files go
};

// What happens when a run completes (the progress window's choices).
struct CompletionOptions {
    bool powerOff = false;     // "PowerOff"
    bool openFolder = true;    // "OpenFolder"
    bool upload = false;       // "Upload"
};

class ProgramOptions {
public:
    enum class Access { ReadOnly, Writable };

    // Every value at its default. Both folders end with "/". A writable object saves its
    // keys when asked and makes the output root when it loads it.
    ProgramOptions(const QString &programFolder, const QString &settingsFolder, Access access = Access::ReadOnly);

    // Every key loaded from one reading of the settings folder's "Option.ini".
    static ProgramOptions Load(const QString &programFolder, const QString &settingsFolder,
                               Access access = Access::ReadOnly);
    // The windowed program's start: the settings located (LocateSettings) and every key
    // loaded, writable.
    static ProgramOptions StartProgram(const QString &programFolder);

    const QString &ProgramFolder() const { return programFolder_; }
    const QString &SettingsFolder() const { return settingsFolder_; }
    QString OptionFilePath() const;            // the settings folder's "Option.ini"
    QString ProfileSettingsFilePath() const;   // the settings folder's "PfSetting.ini"
    bool IsWritable() const { return access_ == Access::Writable; }

    // The options dialog's group read again from the file: "DefaultAudio", "OutputFolder",
    // "PSPUploadFolder", "PSPAVCFolder", "PSPMP4Folder", "MinDuration", "OpenDialogFilter"
    // and "Notify".
    void LoadGeneral();
    // "DefaultAudio", "OutputFolder" (given its trailing "/") and "Notify".
    bool SaveGeneral();
    bool SaveLastTarget() const;
    bool SaveRenameSettings() const;   // in the order "Template", "OutputPSPSerialNumber", "FitDigi", "Add1", "Add2"
    bool SaveCompletion() const;       // in the order "PowerOff", "OpenFolder", "Upload"

    QString DefaultAudioLanguage() const;   // the name "DefaultAudio" indexes; empty when out of range

    int defaultAudio = 1;              // index into AudioLanguageNames()
    QString outputFolder;              // the output root, ending with "/"
    PspFolders psp;
    int minDurationSeconds = -1;       // a conversion's minimum length; 0 or less: none
    QString openDialogFilter;          // replaces the add dialog's filter when not empty
    bool notify = true;                // a desktop notification tells that a run has ended
    int stallTimeoutSeconds = 60;      // a clip without progress this long is stopped; 0 or less: never
    QString lastTarget;                // the target chosen when the main window last closed; "nodef": none
    RenameSettings renameSettings;
    CompletionOptions completion;

private:
    // Each group's keys from a parsed "Option.ini".
    void LoadGeneral(const platform::IniDocument &ini);
    void LoadRunKeys(const platform::IniDocument &ini);   // "StallTimeout" and "LastTarget"
    void LoadRenameSettings(const platform::IniDocument &ini);
    void LoadCompletion(const platform::IniDocument &ini);
    // Loads the file, sets the keys and saves it; false for a read-only object.
    bool Write(const std::function<void(platform::IniDocument &)> &setKeys) const;

    QString programFolder_;
    QString settingsFolder_;
    Access access_;
};
