#pragma once
// The category buttons and target rows of the main window, and the records that
// tie them together. A category click shows that category's row (the music
// category's too, so that its targets can be reached) and re-selects its current
// target; a target click makes that target current through the
// main window's `SelectTarget`.

#include <QObject>
#include <QVector>
#include <functional>

class PictureButton;
class QComboBox;
class QWidget;

struct TConverterType {
    PictureButton *CategoryButton = nullptr;
    QWidget *Row = nullptr;
    PictureButton *CurrentTargetButton = nullptr;   // the target last chosen in this category
};

struct TTargetType {
    PictureButton *TargetButton = nullptr;
    int ProfileIndex = -1;   // last chosen entry of suiComboBox_PF for this target, -1 for none
};

class TargetSelector : public QObject {
    Q_OBJECT
public:
    struct Wiring {
        QWidget *form;
        QWidget *dvdPanel;                         // DVDPanel: shown only with the DVD category
        QComboBox *profileList;                    // suiComboBox_PF
        std::function<void(int target)> selectTarget;
        std::function<void(int category)> rowShown;   // before the category's row is shown
    };
    explicit TargetSelector(const Wiring &wiring);

    // Registration of the 8 categories and the targets 0..41, in number order.
    void RegisterTypes();

    void ConverterTypeClick(PictureButton *sender);
    void TargetTypeClick(PictureButton *sender);
    void SelectStartCategory();
    // Starts with `target` chosen in its own category; a number without a shown
    // button starts as SelectStartCategory does.
    void SelectStartTarget(int target);

    const QVector<TConverterType> &ConverterTypes() const { return converterTypes_; }
    QVector<TTargetType> &TargetTypes() { return targetTypes_; }
    int CurConverterType() const { return curConverterType_; }

private:
    void AddConverterType(PictureButton *categoryButton, QWidget *row, PictureButton *defaultTarget);
    void AddTargetType(PictureButton *targetButton, int target);
    void RestoreProfileIndex(int target);
    PictureButton *Button(const char *name) const;
    QWidget *Row(const char *name) const;

    Wiring wiring_;
    QVector<TConverterType> converterTypes_;
    QVector<TTargetType> targetTypes_;
    int curConverterType_ = -1;
};
