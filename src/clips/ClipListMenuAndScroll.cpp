// The clip list's pop-up menu and its scrolling: the thumb, the mouse wheel and
// the paging keys.

#include "ClipListPanel.h"
#include "ListScrolling.h"

#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

QMenu *ClipListPanel::PopupMenu()
{
    if (popupMenu_)
        return popupMenu_.get();
    popupMenu_ = std::make_unique<QMenu>();
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    const auto addEntry = [this](const QString &caption, const QString &name) {
        QAction *entry = popupMenu_->addAction(caption);
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, [this, name] { PopupMenuClick(name); });
    };
    addEntry(QStringLiteral("Remove Select"), QStringLiteral("Remove"));
    addEntry(QStringLiteral("Clear"), QStringLiteral("Clear"));
    popupMenu_->addSeparator();
    addEntry(QStringLiteral("Add clip(s)..."), QStringLiteral("Add"));
    return popupMenu_.get();
}

void ClipListPanel::ShowPopupMenu(const QPoint &globalPosition)
{
    QMenu *menu = PopupMenu();
    menu->findChild<QAction *>(QStringLiteral("Remove"))->setEnabled(model_->AnySelected());
    menu->findChild<QAction *>(QStringLiteral("Clear"))->setEnabled(!model_->IsEmpty());
    menu->popup(globalPosition);
}

void ClipListPanel::PopupMenuClick(const QString &entryName)
{
    if (entryName == QLatin1String("Remove"))
        RemoveSelectedClips();
    else if (entryName == QLatin1String("Clear"))
        ClearClipList();
    else if (entryName == QLatin1String("Add"))
        suiImageButton_OpenDirClick();
}

void ClipListPanel::RowReleased(TInfoListItem *, Qt::MouseButton button, QPoint globalPosition)
{
    if (!IgnoresClicks() && button == Qt::RightButton)
        ShowPopupMenu(globalPosition);
}

int ClipListPanel::ThumbTop() const
{
    return Image_Bar->y();
}

void ClipListPanel::SetThumbTop(int top)
{
    Image_Bar->move(Image_Bar->x(), listscroll::ClampedThumbTop(top));
    ScrollList();
}

int ClipListPanel::FirstShownRow() const
{
    return -suiImagePanel_InfoMove->y() / listscroll::kRowHeight;
}

// Row by row, whatever the thumb's pixel steps; the thumb follows.
void ClipListPanel::ScrollToRow(int firstRow)
{
    const int rowCount = static_cast<int>(rows_.size());
    const int row = listscroll::ClampedFirstRow(rowCount, firstRow);
    Image_Bar->move(Image_Bar->x(), listscroll::ThumbTopForFirstRow(rowCount, row));
    suiImagePanel_InfoMove->move(0, -listscroll::kRowHeight * row);
}

// Three rows a notch, as desktop lists scroll; fine-grained wheels add up to notches.
bool ClipListPanel::WheelScroll(QWheelEvent *event)
{
    wheelEighths_ += event->angleDelta().y();
    const int notches = wheelEighths_ / kWheelNotch;
    wheelEighths_ -= notches * kWheelNotch;
    if (notches != 0)
        ScrollToRow(FirstShownRow() - notches * listscroll::kRowsPerWheelNotch);
    event->accept();
    return true;
}

void ClipListPanel::wheelEvent(QWheelEvent *event)
{
    WheelScroll(event);
}

void ClipListPanel::keyPressEvent(QKeyEvent *event)
{
    const int rowCount = static_cast<int>(rows_.size());
    switch (event->key()) {
    case Qt::Key_PageUp:
        return ScrollToRow(FirstShownRow() - listscroll::kShownRows);
    case Qt::Key_PageDown:
        return ScrollToRow(FirstShownRow() + listscroll::kShownRows);
    case Qt::Key_Home:
        return ScrollToRow(0);
    case Qt::Key_End:
        return ScrollToRow(rowCount);
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClipListPanel::ScrollList()
{
    const int top = listscroll::ListTop(static_cast<int>(rows_.size()), ThumbTop());
    if (suiImagePanel_InfoMove->y() == top)
        return;
    suiImagePanel_InfoMove->move(0, top);
    suiImagePanel_InfoMove->update();
}

// A right-button release on the list background opens the pop-up menu.
bool ClipListPanel::ListBackgroundEvent(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (!IgnoresClicks() && mouse->button() == Qt::RightButton)
        ShowPopupMenu(mouse->globalPosition().toPoint());
    return true;
}

bool ClipListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel_Info)
        return ListBackgroundEvent(event) || QWidget::eventFilter(watched, event);
    if (watched == Image_Bar)
        return ThumbEvent(event) || QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel && (watched == Panel_Bar || qobject_cast<TInfoListItem *>(watched)))
        return WheelScroll(static_cast<QWheelEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Dragging the thumb with the left button scrolls the list.
bool ClipListPanel::ThumbEvent(QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int cursorY = mouse->globalPosition().toPoint().y();
    if (type == QEvent::MouseButtonPress) {
        thumbDragging_ = mouse->button() == Qt::LeftButton;
        dragStartCursorY_ = cursorY;
        dragStartThumbTop_ = ThumbTop();
    } else if (type == QEvent::MouseMove && thumbDragging_) {
        SetThumbTop(dragStartThumbTop_ + cursorY - dragStartCursorY_);
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        thumbDragging_ = false;
    }
    return true;
}
