#include "controls/FieldColours.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

FieldColours *FieldColours::Instance()
{
    static FieldColours *follower = new FieldColours(QCoreApplication::instance());
    return follower;
}

void FieldColours::Follow(QWidget *form)
{
    for (QComboBox *list : form->findChildren<QComboBox *>())
        FollowList(list);
}

void FieldColours::FollowList(QWidget *list)
{
    list->installEventFilter(Instance());
    Apply(list);
}

bool FieldColours::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        Apply(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}

// Only a differing colour is set, so the change this causes ends here.
void FieldColours::Apply(QWidget *list)
{
    QPalette palette = list->palette();
    bool changed = false;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor base = palette.color(group, QPalette::Base);
        if (palette.color(group, QPalette::Button) != base) {
            palette.setColor(group, QPalette::Button, base);
            changed = true;
        }
    }
    if (changed)
        list->setPalette(palette);
}
