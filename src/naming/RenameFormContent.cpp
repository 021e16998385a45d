#include "RenameFormContent.h"

#include "OptionsFile.h"
#include "RenameRules.h"
#include "RenameSettingsStore.h"
#include "TLinkLabel.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace naming {

namespace {

constexpr int kTokenLabelLeft = 36;
constexpr int kTokenLabelStep = 22;

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, QPoint position)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(position);
    label->adjustSize();
    return label;
}

QLineEdit *AddEdit(QWidget *parent, const QString &name, const QRect &geometry, const QString &allowedPattern)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    if (!allowedPattern.isEmpty())
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowedPattern), edit));
    return edit;
}

QCheckBox *AddCheckBox(QWidget *parent, const QString &name, const QString &separator, QPoint position)
{
    auto *box = new QCheckBox(QStringLiteral(" Auto Add \"") + separator + QLatin1Char('"'), parent);
    box->setObjectName(name);
    box->move(position);
    box->adjustSize();
    return box;
}

} // namespace

RenameFormContent::RenameFormContent(QWidget *form)
    : QObject(form), form_(form)
{
    setObjectName(QStringLiteral("RenameFormContent"));
    BuildTexts();
    BuildSerialControls();
    BuildButtons();
    ReadRenameOptions();
    ShowSettings(CurrentRenameSettings());
}

RenameFormContent::~RenameFormContent()
{
    WriteRenameOptions();
}

QSize RenameFormContent::DesignSize()
{
    return {520, 404};
}

void RenameFormContent::BuildTexts()
{
    AddLabel(form_, QStringLiteral("Label3"), QStringLiteral("Renaming Template :"), {24, 44});
    suiEdit_Template = AddEdit(form_, QStringLiteral("suiEdit_Template"), {36, 66, 440, 22}, QString());
    AddLabel(form_, QStringLiteral("Label11"),
             QStringLiteral("eg : \"#Name-#Resolution\" means : Titanic-720x480.avi"), {36, 94});
    QLabel *interpretation = AddLabel(form_, QStringLiteral("Label4"),
        QStringLiteral("Template Interpretation : (simply click template label to add it to content)"), {24, 122});
    BuildTokenLabels(interpretation->y() + kTokenLabelStep);
}

void RenameFormContent::BuildTokenLabels(int firstTop)
{
    const QStringList tokens = TemplateTokenList();
    for (int position = 0; position < tokens.size(); ++position) {
        const QString token = tokens[position];
        auto *label = new TLinkLabel(TokenLabelCaption(token), form_);
        label->setObjectName(QStringLiteral("TokenLabel%1").arg(position));
        label->setToolTip(QStringLiteral("Click to add this template"));
        label->move(kTokenLabelLeft, firstTop + position * kTokenLabelStep);
        label->adjustSize();
        connect(label, &TLinkLabel::clicked, this, [this, token] { TokenLabelClick(token); });
    }
}

void RenameFormContent::BuildSerialControls()
{
    AddLabel(form_, QStringLiteral("Label12"), QStringLiteral("SN Start :"), {36, 292});
    suiEdit_SN = AddEdit(form_, QStringLiteral("suiEdit_SN"), {110, 288, 80, 22}, QStringLiteral("\\d{0,10}"));
    AddLabel(form_, QStringLiteral("Label5"), QStringLiteral("Fixed Digit :"), {220, 292});
    suiEdit_SN_FD = AddEdit(form_, QStringLiteral("suiEdit_SN_FD"), {300, 288, 30, 22}, QStringLiteral("\\d?"));
    suiCheckBox_Add1 = AddCheckBox(form_, QStringLiteral("suiCheckBox_Add1"), QStringLiteral("-"), {36, 324});
    suiCheckBox_Add2 = AddCheckBox(form_, QStringLiteral("suiCheckBox_Add2"), QStringLiteral("_"), {220, 324});
    connect(suiCheckBox_Add1, &QCheckBox::toggled, this, &RenameFormContent::suiCheckBox_Add1Click);
    connect(suiCheckBox_Add2, &QCheckBox::toggled, this, &RenameFormContent::suiCheckBox_Add2Click);
}

void RenameFormContent::BuildButtons()
{
    suiImageButton_OK = AddPictureButton(QStringLiteral("suiImageButton_OK"), QStringLiteral("OK"), {300, 362, 90, 28});
    suiImageButton_Cancel = AddPictureButton(QStringLiteral("suiImageButton_Cancel"), QStringLiteral("Cancel"),
                                             {400, 362, 90, 28});
    suiImageButton_Close = AddPictureButton(QStringLiteral("suiImageButton_Close"), QStringLiteral("X"),
                                            {490, 8, 22, 22});
}

QPushButton *RenameFormContent::AddPictureButton(const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, form_);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, button] { suiImageButton_OKClick(button); });
    return button;
}

void RenameFormContent::ShowSettings(const RenameSettings &settings)
{
    suiEdit_Template->setText(settings.nameTemplate);
    suiEdit_SN->setText(QString::number(settings.firstSerialNumber));
    suiEdit_SN_FD->setText(QString::number(settings.fixedDigits));
    suiCheckBox_Add1->setChecked(settings.addDash);
    suiCheckBox_Add2->setChecked(settings.addUnderscore);
}

RenameSettings RenameFormContent::SettingsFromControls() const
{
    return RenameSettings{suiEdit_Template->text(), NumberFieldValue(suiEdit_SN->text()),
                          NumberFieldValue(suiEdit_SN_FD->text()), suiCheckBox_Add1->isChecked(),
                          suiCheckBox_Add2->isChecked()};
}

void RenameFormContent::TokenLabelClick(const QString &token)
{
    suiEdit_Template->setText(AppendToken(suiEdit_Template->text(), token, suiCheckBox_Add1->isChecked(),
                                          suiCheckBox_Add2->isChecked()));
}

void RenameFormContent::suiCheckBox_Add1Click(bool checked)
{
    if (checked)
        suiCheckBox_Add2->setChecked(false);
}

void RenameFormContent::suiCheckBox_Add2Click(bool checked)
{
    if (checked)
        suiCheckBox_Add1->setChecked(false);
}

void RenameFormContent::suiImageButton_OKClick(QPushButton *button)
{
    const bool accepted = button == suiImageButton_OK;
    if (accepted)
        StoreRenameSettings(SettingsFromControls());
    if (auto *dialog = qobject_cast<QDialog *>(form_))
        dialog->done(accepted ? QDialog::Accepted : QDialog::Rejected);
    else
        form_->close();
}

} // namespace naming
