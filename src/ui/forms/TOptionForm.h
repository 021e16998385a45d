#pragma once
// The options dialog: the video profile editor, the music profile editor (beside the
// visible area) and the general group with the default audio language and the output
// folder. It loads the general options when it is created and each time it is shown;
// the main window also uses its load and save. After a modal showing, Changed() tells
// the main window to refresh: set by OK and by every profile saved or removed.
// Cancel and Close put back the general settings in effect when the dialog was shown.

#include "controls/SkinnedForm.h"

class GeneralOptions;
class ProgramOptions;
class MusicProfileEditor;
class VideoProfileEditor;

class TOptionForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TOptionForm(ProgramOptions &options, QWidget *parent = nullptr);

    void LoadGeneralSettings();
    void SaveGeneralSettings();
    bool Changed() const { return changed_; }

    void FormShow();
    void suiImageButton_OKClick();

    VideoProfileEditor *VideoEditor() const { return videoEditor_; }
    MusicProfileEditor *MusicEditor() const { return musicEditor_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void BuildButtons();

    VideoProfileEditor *videoEditor_;
    MusicProfileEditor *musicEditor_;
    GeneralOptions *generalGroup_;
    bool changed_ = false;
};
