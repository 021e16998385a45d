#include "skin/ProgramStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QToolTip>

#include "skin/Skin.h"

namespace skin {

namespace {

// The width left for a drop-down's text beside its icon.
int TextWidth(const QStyle &style, const QStyleOptionComboBox &option, const QWidget *widget)
{
    const QRect field = style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget);
    const int iconWidth = option.currentIcon.isNull() ? 0 : option.iconSize.width() + 4;
    return field.width() - iconWidth - 2;
}

bool TextIsCut(const QComboBox &box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.currentIcon = box.itemIcon(box.currentIndex());
    option.iconSize = box.iconSize();
    return box.fontMetrics().horizontalAdvance(box.currentText()) > TextWidth(*box.style(), option, &box);
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (element != CE_ComboBoxLabel || !combo || combo->editable)
        return QProxyStyle::drawControl(element, option, painter, widget);
    QStyleOptionComboBox cut = *combo;
    const QFontMetrics metrics = widget ? widget->fontMetrics() : option->fontMetrics;
    cut.currentText = metrics.elidedText(combo->currentText, Qt::ElideRight, TextWidth(*this, *combo, widget));
    QProxyStyle::drawControl(element, &cut, painter, widget);
}

void ProgramStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QComboBox *>(widget))
        widget->installEventFilter(this);
}

// A drop-down without a tool tip of its own shows its cut text whole on hover.
bool ProgramStyle::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QComboBox *>(watched);
    if (event->type() == QEvent::ToolTip && box && box->toolTip().isEmpty() && TextIsCut(*box)) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), box->currentText(), box);
        return true;
    }
    return QProxyStyle::eventFilter(watched, event);
}

void ApplyProgramLook()
{
    if (!qobject_cast<ProgramStyle *>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace skin
