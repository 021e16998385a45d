#pragma once
// The options dialog's general group (Panel3): the default audio language, the output
// root folder and the run-end notification, shown from and kept in the program's options.

#include <QWidget>

class PictureButton;
class ProgramOptions;
class QCheckBox;
class QComboBox;
class QLineEdit;

class GeneralOptions : public QWidget {
    Q_OBJECT
public:
    GeneralOptions(QWidget *form, ProgramOptions &options);

    // Reads the group's keys from Option.ini and shows them.
    void LoadGeneralSettings();
    // Takes the shown choices into the options and writes the group's keys.
    void SaveGeneralSettings();
    void suiImageButton_BrowseClick();

    // Remembers the settings in effect as the dialog is shown ...
    void RememberShownSettings();
    // ... and puts them back (and saves them) when they have changed since.
    void RestoreShownSettings();

private:
    ProgramOptions &options_;
    QComboBox *suiComboBox_AudLang;
    QLineEdit *suiEdit_OutputFolder;
    PictureButton *suiImageButton_Browse;
    QCheckBox *suiCheckBox_Notify;
    QString shownFolder_;
    int shownLanguage_ = -1;
    bool shownNotify_ = true;
    bool remembered_ = false;
};
