#pragma once
// The options dialog's music profile editor (Panel2), placed beside the visible area of
// the form: an audio type with its bitrate and sample-rate lists, and the user profiles of
// every music type in one list.

#include <QVector>
#include <QWidget>

#include "ProfileStore.h"

class PictureButton;
class ProgramOptions;
class QComboBox;
class QLineEdit;

// What an entry of the music profile list stands for: its type and its profile slot.
struct TListMessage {
    QString typeName;
    targets::ProfileEntry entry;
};

class MusicProfileEditor : public QWidget {
    Q_OBJECT
public:
    MusicProfileEditor(QWidget *form, const ProgramOptions &options);

    void BuildProfileList();

    void suiComboBox_AudioFormatChange();
    void suiComboBox_Profile_MusicChange();
    void suiEdit_ProfileName_MusicExit();
    void suiImageButton_Add_MusicClick();
    void suiImageButton_Del_MusicClick();

signals:
    void ProfilesChanged();

private:
    const ProgramOptions &options_;
    void BuildControls();
    void ConnectHandlers();
    const TListMessage *SelectedEntry() const;

    QComboBox *suiComboBox_AudioFormat;
    QComboBox *suiComboBox_Profile_Music;
    QComboBox *suiComboBox_AudioBitRate_Music;
    QComboBox *suiComboBox_AudioSampleRate_Music;
    QLineEdit *suiEdit_ProfileName_Music;
    PictureButton *suiImageButton_Add_Music;
    PictureButton *suiImageButton_Del_Music;

    QVector<TListMessage> entries_;   // entry i of suiComboBox_Profile_Music
};
