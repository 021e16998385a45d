#pragma once
// The options dialog's video profile editor (Panel1): an output type, its definition lists
// read for the chosen output format, the type's user profiles with their summaries, and a
// name to save the editor's choices under or to remove.

#include <QVector>
#include <QWidget>

#include "ProfileStore.h"

class PictureButton;
class ProgramOptions;
class QComboBox;
class QLineEdit;
class QSpinBox;

class VideoProfileEditor : public QWidget {
    Q_OBJECT
public:
    VideoProfileEditor(QWidget *form, const ProgramOptions &options);

    // Type 0 selected and its type selection run.
    void SelectFirstType();
    void BuildProfileList();

    // Handlers (lists react to the user's choices only, not to being filled).
    void suiComboBox_TypeChange();
    void suiComboBox_VideoFormatChange();
    void suiComboBox_ProfileChange();
    void suiEdit_ProfileNameExit();
    void suiImageButton_AddClick();
    void suiImageButton_DelClick();

    QString ProfileSection() const;   // the chosen type's name + "-Profile"
    targets::VideoProfileChoice ChoiceFromControls() const;

signals:
    // A profile was saved or removed.
    void ProfilesChanged();

private:
    const ProgramOptions &options_;
    void BuildControls();
    void ConnectHandlers();
    void SelectFormat(int formatIndex);
    int SelectedSlot() const;   // the selected entry's slot, -1 for none

    QComboBox *suiComboBox_Type;
    QComboBox *suiComboBox_Profile;
    QComboBox *suiComboBox_VideoFormat;
    QComboBox *suiComboBox_VideoCodec;
    QComboBox *suiComboBox_Resolution;
    QComboBox *suiComboBox_VideoFrameRate;
    QSpinBox *suiSpinEdit_VideoBitRate;
    QComboBox *suiComboBox_AudioBitRate;
    QComboBox *suiComboBox_AudioSampleRate;
    QComboBox *suiComboBox_Volume;   // never shown
    QLineEdit *suiEdit_ProfileName;
    PictureButton *suiImageButton_Add;
    PictureButton *suiImageButton_Del;

    QString definitionSection_;                // "Ostrel-" + the chosen type
    QVector<targets::ProfileEntry> entries_;   // entry i of suiComboBox_Profile
};
