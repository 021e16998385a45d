#pragma once
// The controls and behaviour of the rename dialog. The controls are placed straight on
// the hosting form (the skinned TRenameForm), so its background picture stays the
// handle that moves the window. Buttons named suiImageButton_OK, suiImageButton_Cancel
// and suiImageButton_Close that the form already has (its picture buttons) are used
// as they are; missing ones are made here.
//
// Creation loads the naming settings from Option.ini into the naming globals and shows
// them; destruction (with the form) writes the globals back. OK copies the controls
// into the globals; OK, Cancel and Close all close the form (done(Accepted) for OK,
// done(Rejected) otherwise).

#include "RenameSettings.h"

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace naming {

class RenameFormContent : public QObject {
    Q_OBJECT
public:
    explicit RenameFormContent(QWidget *form);
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
    QLineEdit *suiEdit_Template = nullptr;
    QLineEdit *suiEdit_SN = nullptr;
    QLineEdit *suiEdit_SN_FD = nullptr;
    QCheckBox *suiCheckBox_Add1 = nullptr;
    QCheckBox *suiCheckBox_Add2 = nullptr;
    QAbstractButton *suiImageButton_OK = nullptr;
};

} // namespace naming
