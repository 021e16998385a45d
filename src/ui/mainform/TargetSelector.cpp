#include "mainform/TargetSelector.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "TargetCatalogue.h"
#include "controls/PictureButton.h"

TargetSelector::TargetSelector(const Wiring &wiring) : QObject(wiring.form), wiring_(wiring) {}

PictureButton *TargetSelector::Button(const char *name) const
{
    return wiring_.form->findChild<PictureButton *>(QLatin1String(name));
}

QWidget *TargetSelector::Row(const char *name) const
{
    return wiring_.form->findChild<QWidget *>(QLatin1String(name));
}

void TargetSelector::RegisterTypes()
{
    for (int category = 0; category < targets::CategoryCount; ++category) {
        const targets::CategoryInfo &info = targets::Category(category);
        const char *defaultButton = targets::TargetButton(info.defaultTarget).buttonName;
        AddConverterType(Button(info.buttonName), Row(info.rowName), Button(defaultButton));
    }
    for (int target = 0; target < targets::RegisteredTargetCount; ++target)
        AddTargetType(Button(targets::TargetButton(target).buttonName), target);
}

void TargetSelector::AddConverterType(PictureButton *categoryButton, QWidget *row, PictureButton *defaultTarget)
{
    categoryButton->SetTag(int(converterTypes_.size()));
    converterTypes_.append({categoryButton, row, defaultTarget});
    connect(categoryButton, &PictureButton::clicked, this, [this, categoryButton] { ConverterTypeClick(categoryButton); });
}

void TargetSelector::AddTargetType(PictureButton *targetButton, int target)
{
    targetButton->SetTag(target);
    targetTypes_.append({targetButton, -1});
    connect(targetButton, &PictureButton::clicked, this, [this, targetButton] { TargetTypeClick(targetButton); });
}

void TargetSelector::ConverterTypeClick(PictureButton *sender)
{
    const int category = sender->Tag();
    for (const TConverterType &type : converterTypes_) {
        type.CategoryButton->setEnabled(true);
        type.Row->hide();
    }
    const TConverterType &chosen = converterTypes_[category];
    chosen.CategoryButton->setEnabled(false);
    const bool isDvd = category == targets::CategoryDVD;
    if (wiring_.rowShown)
        wiring_.rowShown(category);
    chosen.Row->show();
    if (isDvd)
        wiring_.dvdPanel->show();
    curConverterType_ = category;
    TargetTypeClick(chosen.CurrentTargetButton);
    if (!isDvd && !wiring_.dvdPanel->isHidden())
        wiring_.dvdPanel->hide();
    wiring_.form->update();
}

void TargetSelector::TargetTypeClick(PictureButton *sender)
{
    const int target = sender->Tag();
    for (const TTargetType &type : targetTypes_)
        type.TargetButton->setEnabled(true);
    wiring_.form->update();
    targetTypes_[target].TargetButton->setEnabled(false);
    wiring_.selectTarget(target);
    converterTypes_[curConverterType_].CurrentTargetButton = sender;
    RestoreProfileIndex(target);
}

void TargetSelector::RestoreProfileIndex(int target)
{
    int &profileIndex = targetTypes_[target].ProfileIndex;
    if (profileIndex == -1)
        return;
    if (profileIndex < wiring_.profileList->count()) {
        const QSignalBlocker blocker(wiring_.profileList);
        wiring_.profileList->setCurrentIndex(profileIndex);
    } else {
        profileIndex = -1;
    }
}

void TargetSelector::SelectStartCategory()
{
    ConverterTypeClick(converterTypes_[targets::StartCategory].CategoryButton);
}

void TargetSelector::SelectStartTarget(int target)
{
    if (!targets::IsSelectableTarget(target)) {
        SelectStartCategory();
        return;
    }
    TConverterType &category = converterTypes_[targets::CategoryOfTarget(target)];
    category.CurrentTargetButton = targetTypes_[target].TargetButton;
    ConverterTypeClick(category.CategoryButton);
}
