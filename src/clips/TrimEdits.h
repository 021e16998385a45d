#pragma once
// The start and end edits suiEdit_Start and suiEdit_Stop: they show the current
// clip's trim range, turn red while a typed time is out of range, and on leaving
// either store the time in the clip or put the old one back.

#include <QColor>
#include <QObject>

class QLineEdit;
class TVideoInfo;

class TrimEdits : public QObject {
    Q_OBJECT
public:
    static inline const QColor kOutOfRange{0xFF, 0x00, 0x00};
    static inline const QColor kDragging{0x00, 0xFF, 0x00};
    static inline const QColor kDefaultNormal{0xCA, 0xCA, 0xCA};

    // The edits stay the host's; normal is the colour of suiEdit_OutputFolder.
    TrimEdits(QLineEdit *start, QLineEdit *stop, QObject *parent = nullptr);

    void SetNormalColour(const QColor &colour);
    // Shows the clip's range, or empties and disables both edits for none.
    void ShowClip(TVideoInfo *clip);
    // Lime green while a range handle of the preview is dragged, else normal:
    // both edits, or only the one whose handle moves.
    void SetDragging(bool dragging);
    void SetStartDragging(bool dragging);
    void SetStopDragging(bool dragging);
    void RestoreNormalColour();

    static QColor ColourOf(const QLineEdit *edit);

signals:
    void TimesEdited();                    // output names follow the typed and the stored times
    void RangeStored(TVideoInfo *clip);    // the preview places its range bar again

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Prepare(QLineEdit *edit);
    void SetColour(QLineEdit *edit, const QColor &colour);
    bool OutOfRange(QLineEdit *edit) const;
    void suiEditChange(QLineEdit *edit);
    void suiEditExit(QLineEdit *edit);

    QLineEdit *suiEdit_Start;
    QLineEdit *suiEdit_Stop;
    TVideoInfo *clip_ = nullptr;
    QColor normal_ = kDefaultNormal;
};
