#pragma once
// The controls and behaviour of the rename dialog. The controls are placed straight on
// the hosting form (the skinned TRenameForm), so its background picture stays the
// handle that moves the window. Buttons named suiImageButton_OK, suiImageButton_Cancel
// and suiImageButton_Close that the form already has (its picture buttons) are used
// as they are; missing ones are made here.
//
// Creation shows the naming settings of the program's options; destruction (with the
// form) writes them to Option.ini. OK copies the controls into the options; OK, Cancel
// and Close all close the form (done(Accepted) for OK, done(Rejected) otherwise).

#include "ProgramOptions.h"

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace naming {

class RenameFormContent : public QObject {
    Q_OBJECT
public:
    RenameFormContent(QWidget *form, ProgramOptions &options);
    ~RenameFormContent() override;

    void ShowSettings(const RenameSettings &settings);
    RenameSettings SettingsFromControls() const;

private:
    void BuildTemplateControls();
    void BuildTokenLabels();
    void BuildSerialControls();
    void BuildButtons();
    QAbstractButton *AdoptOrAddButton(const QString &name, const QString &text, const QRect &geometry);

    void TokenLabelClick(const QString &token);
    void suiCheckBox_Add1Click(bool checked);
    void suiCheckBox_Add2Click(bool checked);
    void suiImageButton_OKClick(QAbstractButton *button);

    QWidget *form_;
    ProgramOptions &options_;
    QLineEdit *suiEdit_Template = nullptr;
    QLineEdit *suiEdit_SN = nullptr;
    QLineEdit *suiEdit_SN_FD = nullptr;
    QCheckBox *suiCheckBox_Add1 = nullptr;
    QCheckBox *suiCheckBox_Add2 = nullptr;
    QAbstractButton *suiImageButton_OK = nullptr;
};

} // namespace naming
