#pragma once
// The options dialog's general group (Panel3): the default audio language, the output
// root folder and the run-end notification, loaded from and saved to Option.ini.

#include <QWidget>

class PictureButton;
class QCheckBox;
class QComboBox;
class QLineEdit;

class GeneralOptions : public QWidget {
    Q_OBJECT
public:
    explicit GeneralOptions(QWidget *form);

    void LoadGeneralSettings();
    void SaveGeneralSettings();
    void suiImageButton_BrowseClick();

    // Remembers the settings in effect as the dialog is shown ...
    void RememberShownSettings();
    // ... and puts them back (and saves them) when they have changed since.
    void RestoreShownSettings();

private:
    QComboBox *suiComboBox_AudLang;
    QLineEdit *suiEdit_OutputFolder;
    PictureButton *suiImageButton_Browse;
    QCheckBox *suiCheckBox_Notify;
    QString shownFolder_;
    int shownLanguage_ = -1;
    bool shownNotify_ = true;
    bool remembered_ = false;
};
