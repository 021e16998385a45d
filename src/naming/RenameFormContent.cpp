#include "RenameFormContent.h"

#include "RenameRules.h"
#include "TLinkLabel.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace naming {

namespace {

// Layout inside the 460 x 350 dialog below its 44-pixel title band.
constexpr int kInterpretationTop = 118;
constexpr int kTokenLabelLeft = 36;
constexpr int kTokenLabelStep = 22;
constexpr int kSerialRowTop = 276;
constexpr int kCheckBoxRowTop = 312;

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

// A light card behind the token labels, whose specified black and blue texts need it
// on the dark skin.
void AddTokenCard(QWidget *parent, int top)
{
    auto *card = new QWidget(parent);
    card->setObjectName(QStringLiteral("Panel_Tokens"));
    card->setAttribute(Qt::WA_StyledBackground);
    card->setStyleSheet(QStringLiteral("#Panel_Tokens { background: #eef1f5; border-radius: 6px; }"));
    card->setGeometry(kTokenLabelLeft - 8, top - 4, 412, 6 * kTokenLabelStep + 6);
}

} // namespace

RenameFormContent::RenameFormContent(QWidget *form, ProgramOptions &options)
    : QObject(form), form_(form), options_(options)
{
    setObjectName(QStringLiteral("RenameFormContent"));
    BuildTemplateControls();
    BuildTokenLabels();
    BuildSerialControls();
    BuildButtons();
    ShowSettings(options_.renameSettings);
}

RenameFormContent::~RenameFormContent()
{
    options_.SaveRenameSettings();
}

void RenameFormContent::BuildTemplateControls()
{
    AddLabel(form_, QStringLiteral("Label3"), QStringLiteral("Renaming Template :"), {20, 54});
    suiEdit_Template = AddEdit(form_, QStringLiteral("suiEdit_Template"), {20, 74, 420, 22}, QString());
    AddLabel(form_, QStringLiteral("Label11"),
             QStringLiteral("eg : \"#Name-#Resolution\" means : Titanic-720x480.avi"), {20, 100});
    AddLabel(form_, QStringLiteral("Label4"),
             QStringLiteral("Template Interpretation : (simply click template label to add it to content)"),
             {20, kInterpretationTop});
}

void RenameFormContent::BuildTokenLabels()
{
    const int firstTop = kInterpretationTop + kTokenLabelStep;
    AddTokenCard(form_, firstTop);
    const QStringList tokens = TemplateTokenList();
    for (int position = 0; position < tokens.size(); ++position) {
        const QString token = tokens[position];
        auto *label = new TLinkLabel(TokenLabelCaption(token), form_);
        label->setObjectName(QStringLiteral("TokenLabel%1").arg(position));
        label->setToolTip(QStringLiteral("Click to add this template"));
        label->move(kTokenLabelLeft, firstTop + position * kTokenLabelStep);
        label->adjustSize();
        connect(label, &TLinkLabel::Clicked, this, [this, token] { TokenLabelClick(token); });
    }
}

void RenameFormContent::BuildSerialControls()
{
    AddLabel(form_, QStringLiteral("Label12"), QStringLiteral("SN Start :"), {20, kSerialRowTop + 4});
    suiEdit_SN = AddEdit(form_, QStringLiteral("suiEdit_SN"), {90, kSerialRowTop, 90, 22}, QStringLiteral("\\d{0,10}"));
    AddLabel(form_, QStringLiteral("Label5"), QStringLiteral("Fixed Digit :"), {204, kSerialRowTop + 4});
    suiEdit_SN_FD = AddEdit(form_, QStringLiteral("suiEdit_SN_FD"), {284, kSerialRowTop, 28, 22}, QStringLiteral("\\d?"));
    suiCheckBox_Add1 = AddCheckBox(form_, QStringLiteral("suiCheckBox_Add1"), QStringLiteral("-"), {20, kCheckBoxRowTop});
    suiCheckBox_Add2 = AddCheckBox(form_, QStringLiteral("suiCheckBox_Add2"), QStringLiteral("_"), {136, kCheckBoxRowTop});
    connect(suiCheckBox_Add1, &QCheckBox::toggled, this, &RenameFormContent::suiCheckBox_Add1Click);
    connect(suiCheckBox_Add2, &QCheckBox::toggled, this, &RenameFormContent::suiCheckBox_Add2Click);
}

void RenameFormContent::BuildButtons()
{
    suiImageButton_OK = AdoptOrAddButton(QStringLiteral("suiImageButton_OK"), QStringLiteral("OK"), {254, 306, 90, 30});
    AdoptOrAddButton(QStringLiteral("suiImageButton_Cancel"), QStringLiteral("Cancel"), {350, 306, 90, 30});
    AdoptOrAddButton(QStringLiteral("suiImageButton_Close"), QStringLiteral("X"), {422, 8, 28, 28});
}

QAbstractButton *RenameFormContent::AdoptOrAddButton(const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = form_->findChild<QAbstractButton *>(name, Qt::FindDirectChildrenOnly);
    if (!button) {
        button = new QPushButton(text, form_);
        button->setObjectName(name);
        button->setGeometry(geometry);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(button, &QAbstractButton::clicked, this, [this, button] { suiImageButton_OKClick(button); });
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

void RenameFormContent::suiImageButton_OKClick(QAbstractButton *button)
{
    const bool accepted = button == suiImageButton_OK;
    if (accepted)
        options_.renameSettings = SettingsFromControls();
    if (auto *dialog = qobject_cast<QDialog *>(form_))
        dialog->done(accepted ? QDialog::Accepted : QDialog::Rejected);
    else
        form_->close();
}

} // namespace naming
