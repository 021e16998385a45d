#pragma once
// Small helpers that place named controls on a form (every control carries its
// control name as objectName).

#include <QRect>
#include <QString>

class PictureButton;
class QCheckBox;
class QColor;
class QLabel;
class QLineEdit;
class QWidget;

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                 const QString &styleClass = QString());
PictureButton *AddPictureButton(QWidget *parent, const QString &name, const QString &pictureSet, const QPoint &position,
                                const QString &hint = QString());
QLineEdit *AddLineEdit(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
QCheckBox *AddCheckBox(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                       bool checked = false);
QWidget *AddPanel(QWidget *parent, const QString &name, const QRect &geometry);

// The field's background (its palette's base colour in every state).
void SetFieldColour(QWidget *field, const QColor &colour);
