#include "controls/FormBuilding.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "controls/PictureButton.h"

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                 const QString &styleClass)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    if (!styleClass.isEmpty())
        label->setProperty("skinClass", styleClass);
    return label;
}

PictureButton *AddPictureButton(QWidget *parent, const QString &name, const QString &pictureSet, const QPoint &position,
                                const QString &hint)
{
    auto *button = new PictureButton(pictureSet, parent, name);
    button->move(position);
    button->setToolTip(hint);
    // A picture says nothing to assistive technology: the hint says what the button does.
    if (!hint.isEmpty())
        button->setAccessibleName(hint);
    return button;
}

QWidget *AddPanel(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    return panel;
}

QLineEdit *AddLineEdit(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QCheckBox *AddCheckBox(QWidget *parent, const QString &name, const QString &text, const QRect &geometry, bool checked)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(name);
    check->setGeometry(geometry);
    check->setChecked(checked);
    return check;
}

void SetFieldColour(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    field->setPalette(palette);
}
