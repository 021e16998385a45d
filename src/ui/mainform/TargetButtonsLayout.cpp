#include "mainform/TargetButtonsLayout.h"

#include <QHash>
#include <QWidget>

#include "TargetCatalogue.h"
#include "controls/PictureButton.h"

namespace {

constexpr QPoint kAppleRowPosition(162, 352);
constexpr QPoint kHiddenRowPosition(20, 760);   // below the window's visible area
constexpr QRect kCategoryBar(20, 700, 780, 30);
constexpr QSize kAppleRowSize(692, 64);    // MP3 at 582 is the last button
constexpr QSize kCaptionRowSize(806, 30);  // the last buttons stand at 696
constexpr QSize kDeviceButton(110, 64);
constexpr QSize kCaptionButton(110, 30);
constexpr QSize kCategoryButton(90, 30);

// The Apple row shows device pictures that carry their own names.
QString devicePictureOf(const QString &buttonName)
{
    static const QHash<QString, QString> pictures = {
        {"sb_iPod", "device_ipod"},       {"sb_iPad", "device_ipad"},
        {"sb_iPhone", "device_iphone"},   {"sb_AppleTV", "device_appletv"},
        {"sb_AppleTV_HD", "device_appletv_hd"}, {"sb_MP3", "device_mp3"},
    };
    return pictures.value(buttonName);
}

QWidget *buildRow(QWidget *form, int category)
{
    auto *row = new QWidget(form);
    row->setObjectName(QLatin1String(targets::Category(category).rowName));
    const bool isApple = category == targets::CategoryApple;
    row->setGeometry(isApple ? QRect(kAppleRowPosition, kAppleRowSize) : QRect(kHiddenRowPosition, kCaptionRowSize));
    row->hide();
    return row;
}

void buildTargetButton(QWidget *row, int target)
{
    const targets::TargetButtonInfo &info = targets::TargetButton(target);
    const QString name = QLatin1String(info.buttonName);
    const QString devicePicture = devicePictureOf(name);
    auto *button = new PictureButton(devicePicture.isEmpty() ? QStringLiteral("caption_tile") : devicePicture, row, name);
    button->setText(QLatin1String(info.caption));
    button->setGeometry(QRect(QPoint(info.rowOffset, 0), devicePicture.isEmpty() ? kCaptionButton : kDeviceButton));
    button->setTag(target);
    button->setVisible(!info.hidden && targets::IsRegisteredTarget(target));
}

void buildCategoryBar(QWidget *form)
{
    auto *bar = new QWidget(form);
    bar->setObjectName(QStringLiteral("suiImagePanel_Item1"));
    bar->setGeometry(kCategoryBar);
    for (int category = 0; category < targets::CategoryCount; ++category) {
        const targets::CategoryInfo &info = targets::Category(category);
        auto *button = new PictureButton(QStringLiteral("caption"), bar, QLatin1String(info.buttonName));
        button->setText(QLatin1String(info.caption));
        button->setGeometry(QRect(QPoint(info.barOffset, 0), kCategoryButton));
        button->setTag(category);
    }
}

} // namespace

void BuildTargetButtons(QWidget *form)
{
    buildCategoryBar(form);
    QVector<QWidget *> rows;
    for (int category = 0; category < targets::CategoryCount; ++category)
        rows.append(buildRow(form, category));
    for (int target = 0; target < targets::TargetCount; ++target)
        buildTargetButton(rows[targets::TargetButton(target).row], target);
}
