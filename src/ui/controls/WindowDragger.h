#pragma once
// Moves a borderless window when the user drags one of its pictures with the left
// button. Either the window follows the cursor itself, or the drag is handed to
// the window system's own move.

#include <QObject>
#include <QPoint>

class QWidget;

class WindowDragger : public QObject {
    Q_OBJECT
public:
    enum class Mode { FollowCursor, SystemMove };
    WindowDragger(QWidget *window, Mode mode);

    // The widget becomes a drag handle of the window.
    void AddHandle(QWidget *handle);
    bool IsDragging() const { return dragging_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Press(Qt::MouseButton button, QPoint cursor);
    void Move(Qt::MouseButtons buttons, QPoint cursor);

    QWidget *window_;
    Mode mode_;
    bool dragging_ = false;
    QPoint pressCursor_;
    QPoint pressWindowPosition_;
};
