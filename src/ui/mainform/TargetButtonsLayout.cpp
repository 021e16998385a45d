#include "mainform/TargetButtonsLayout.h"

#include <QHash>
#include <QWidget>

#include "TargetCatalogue.h"
#include "controls/PictureButton.h"

namespace {

// The category bar sits over the row of the chosen category, both inside the target band.
constexpr QPoint kCategoryBarPosition(42, 352);
constexpr QPoint kRowPosition(42, 384);
constexpr QSize kRowSize(806, 64);   // seven tiles of 110 at steps of 116
constexpr int kCategoryButtonHeight = 26;
constexpr int kCategoryBarWidth = 775;
constexpr int kCategoryGap = 4;
constexpr QSize kTile(110, 64);
constexpr int kTileCaptionTop = 42;   // the glyph fills the face above this line
// MP3 belongs to the music category but is offered in the Apple row too: the one
// button stands in whichever of the two rows is shown.
constexpr int kMp3OffsetInMusicRow = 348;

struct TileLook {
    const char *pictureSet;
    const char *accessibleName;   // for tiles whose picture carries the name instead of a caption
};

// Apple devices show pictures that carry their own names; every other target shows a
// glyph of its kind with its caption under it.
TileLook TileLookOf(int target)
{
    using namespace targets;
    static const QHash<int, TileLook> devices = {
        {TargetiPod, {"device_ipod", "iPod"}},          {TargetiPad, {"device_ipad", "iPad"}},
        {TargetiPhone, {"device_iphone", "iPhone"}},    {TargetAppleTV, {"device_appletv", "Apple TV"}},
        {TargetAppleTV_HD, {"device_appletv_hd", "Apple TV HD"}}, {TargetMP3, {"device_mp3", "MP3"}},
    };
    if (devices.contains(target))
        return devices.value(target);
    switch (target) {
    case TargetYoutube: case TargetHDYoutube: return {"tile_youtube", nullptr};
    case TargetVOB_File: return {"tile_disc", nullptr};
    case TargetDVD_Folder: case TargetDVD_Disc: case TargetDVD_ISO: return {"tile_dvd_folder", nullptr};
    case TargetPSP: return {"tile_handheld", nullptr};
    case TargetPS3: case TargetPS3_HD: case TargetXbox: case TargetXbox_HD: return {"tile_console", nullptr};
    case TargetZune: case TargetZune_HD: case TargetZEN: case TargetGeneral: return {"tile_player", nullptr};
    case TargetPDA: return {"tile_pda", nullptr};
    case TargetAndroid: case TargetBlackBerry: case TargetNokia: return {"tile_phone", nullptr};
    default: break;
    }
    if (IsHdFileTarget(target))
        return {"tile_hd", nullptr};
    return {CategoryOfTarget(target) == CategoryMusic ? "tile_music" : "tile_video", nullptr};
}

QWidget *BuildRow(QWidget *form, int category)
{
    auto *row = new QWidget(form);
    row->setObjectName(QLatin1String(targets::Category(category).rowName));
    row->setGeometry(QRect(kRowPosition, kRowSize));
    row->hide();
    return row;
}

void BuildTargetButton(QWidget *row, int target)
{
    const targets::TargetButtonInfo &info = targets::TargetButton(target);
    const TileLook look = TileLookOf(target);
    auto *button = new PictureButton(QLatin1String(look.pictureSet), row, QLatin1String(info.buttonName));
    button->setText(QLatin1String(info.caption));
    button->SetCaptionTop(kTileCaptionTop);
    if (look.accessibleName)
        button->setAccessibleName(QLatin1String(look.accessibleName));
    button->setGeometry(QRect(QPoint(info.rowOffset, 0), kTile));
    button->SetTag(target);
    button->setVisible(!info.hidden && targets::IsRegisteredTarget(target));
}

// Each category button reaches to the next one's offset; the last one to the bar's end.
int CategoryButtonWidth(int category)
{
    int nextOffset = kCategoryBarWidth + kCategoryGap;
    for (int other = 0; other < targets::CategoryCount; ++other) {
        const int offset = targets::Category(other).barOffset;
        if (offset > targets::Category(category).barOffset && offset < nextOffset)
            nextOffset = offset;
    }
    return nextOffset - targets::Category(category).barOffset - kCategoryGap;
}

void BuildCategoryBar(QWidget *form)
{
    auto *bar = new QWidget(form);
    bar->setObjectName(QStringLiteral("suiImagePanel_Item1"));
    bar->setGeometry(QRect(kCategoryBarPosition, QSize(kCategoryBarWidth, kCategoryButtonHeight)));
    for (int category = 0; category < targets::CategoryCount; ++category) {
        const targets::CategoryInfo &info = targets::Category(category);
        const int width = CategoryButtonWidth(category);
        auto *button = new PictureButton(width > 100 ? QStringLiteral("category_wide") : QStringLiteral("category"), bar,
                                         QLatin1String(info.buttonName));
        button->setText(QLatin1String(info.caption));
        button->setGeometry(QRect(QPoint(info.barOffset, 0), QSize(width, kCategoryButtonHeight)));
        button->SetTag(category);
    }
}

} // namespace

void BuildTargetButtons(QWidget *form)
{
    BuildCategoryBar(form);
    QVector<QWidget *> rows;
    for (int category = 0; category < targets::CategoryCount; ++category)
        rows.append(BuildRow(form, category));
    for (int target = 0; target < targets::TargetCount; ++target)
        BuildTargetButton(rows[targets::TargetButton(target).row], target);
}

void PlaceSharedTargetButtons(QWidget *form, int shownCategory)
{
    if (shownCategory != targets::CategoryApple && shownCategory != targets::CategoryMusic)
        return;
    const targets::TargetButtonInfo &mp3 = targets::TargetButton(targets::TargetMP3);
    auto *button = form->findChild<PictureButton *>(QLatin1String(mp3.buttonName));
    auto *row = form->findChild<QWidget *>(QLatin1String(targets::Category(shownCategory).rowName));
    const int offset = shownCategory == targets::CategoryMusic ? kMp3OffsetInMusicRow : mp3.rowOffset;
    button->setParent(row);
    button->move(offset, 0);
    button->show();
}
