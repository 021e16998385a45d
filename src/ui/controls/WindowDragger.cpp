#include "controls/WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDragger::WindowDragger(QWidget *window, Mode mode) : QObject(window), window_(window), mode_(mode) {}

void WindowDragger::AddHandle(QWidget *handle)
{
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Press(mouse->button(), mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Move(mouse->buttons(), mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            dragging_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowDragger::Press(Qt::MouseButton button, QPoint cursor)
{
    dragging_ = false;
    if (button != Qt::LeftButton)
        return;
    if (mode_ == Mode::SystemMove) {
        if (window_->windowHandle())
            window_->windowHandle()->startSystemMove();
        return;
    }
    dragging_ = true;
    pressCursor_ = cursor;
    pressWindowPosition_ = window_->pos();
}

void WindowDragger::Move(Qt::MouseButtons buttons, QPoint cursor)
{
    if (!dragging_ || !(buttons & Qt::LeftButton))
        return;
    const QPoint target = pressWindowPosition_ + (cursor - pressCursor_);
    if (target != window_->pos())
        window_->move(target);
}
