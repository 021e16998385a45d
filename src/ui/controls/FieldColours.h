#pragma once
// Parameter colours are set as a field's palette base colour. Edit and spin
// fields paint with it; drop-down lists paint their face with the button colour,
// so this keeps a list's button colour equal to its base colour, now and after
// every palette change.

#include <QObject>

class FieldColours : public QObject {
    Q_OBJECT
public:
    // Follows every drop-down list on `form` made so far.
    static void Follow(QWidget *form);
    // Follows one list, for lists made later.
    static void FollowList(QWidget *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    static FieldColours *Instance();
    static void Apply(QWidget *list);
};
