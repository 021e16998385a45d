#include "forms/TForm_About.h"

#include <QLabel>

#include "ProductInfo.h"
#include "ProductTexts.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "skin/Skin.h"

TForm_About::TForm_About(const QString &programFolder, QWidget *parent)
    : SkinnedDialog(QStringLiteral("ABOUT"), WindowDragger::Mode::SystemMove, parent)
{
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About"));
    setStyleSheet(skin::StyleSheet());
    AddLabel(this, QStringLiteral("Label_Caption"), QStringLiteral("About ") + kDisplayTitle, QRect(54, 12, 360, 20),
             QStringLiteral("dialogTitle"));
    const QString version = QLatin1String(product::kVersion);
    QLabel *shadow = AddLabel(this, QStringLiteral("Label1"), version, QRect(16, 54, 400, 25), QStringLiteral("versionShadow"));
    shadow->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    shadow->setProperty("decorationOf", QStringLiteral("Label5"));   // the title's shadow, not a text of its own
    AddLabel(this, QStringLiteral("Label5"), version, QRect(14, 53, 400, 25), QStringLiteral("version"))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, QStringLiteral("Label_BuildCaption"), QStringLiteral("Build"), QRect(150, 80, 56, 16),
             QStringLiteral("subtitle"))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("Build on 20070808"), QRect(212, 80, 120, 16),
             QStringLiteral("subtitle"))->setText(QLatin1String(product::kBuildDate));
    AddLink("Label3", QStringLiteral("Home :"), "suiURLLabel2", product::HomePageAddress(programFolder), 112);
    AddLink("Label4", QStringLiteral("Contact :"), "suiURLLabel1", product::SupportAddress(), 136);
    AddLabel(this, QStringLiteral("Label8"), QLatin1String(product::kMakerName), QRect(30, 176, 260, 18));
    AddLabel(this, QStringLiteral("Label9"), QLatin1String(product::kMakerWebAddress), QRect(30, 194, 260, 18),
             QStringLiteral("subtitle"))->setVisible(*product::kMakerWebAddress);
    auto *close = AddPictureButton(this, QStringLiteral("suiButton1"), QStringLiteral("caption"), {316, 188});
    close->setText(QStringLiteral("Close"));
    connect(close, &PictureButton::clicked, this, &TForm_About::suiButton1Click);
}

// A link without an address is left out, caption and all.
void TForm_About::AddLink(const char *captionName, const QString &caption, const char *linkName, const QString &address,
                          int top)
{
    QLabel *captionLabel = AddLabel(this, QLatin1String(captionName), caption, QRect(30, top, 76, 18));
    QLabel *link = AddLabel(this, QLatin1String(linkName),
                            QStringLiteral("<a href=\"%1\" style=\"color:#5fd9ea;\">%2</a>")
                                .arg(address.toHtmlEscaped(), product::ShownAddress(address).toHtmlEscaped()),
                            QRect(108, top, 300, 18), QStringLiteral("link"));
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(address);
    connect(link, &QLabel::linkActivated, this, [this](const QString &target) { product::OpenLink(this, target); });
    captionLabel->setVisible(!address.isEmpty());
    link->setVisible(!address.isEmpty());
}

void TForm_About::suiButton1Click()
{
    done(QDialog::Accepted);
}
