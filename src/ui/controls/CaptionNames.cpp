#include "controls/CaptionNames.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

namespace {

constexpr int kLeftReach = 200;   // pixels between a caption and its field, at most
constexpr int kAboveReach = 30;

bool IsField(const QWidget &widget)
{
    return qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QComboBox *>(&widget)
           || qobject_cast<const QAbstractSpinBox *>(&widget) || qobject_cast<const QAbstractSlider *>(&widget);
}

// A combo box's or spin box's own edit is part of its field.
bool IsInsideField(const QWidget &widget, const QWidget &window)
{
    for (const QWidget *parent = widget.parentWidget(); parent && parent != &window; parent = parent->parentWidget())
        if (IsField(*parent))
            return true;
    return false;
}

QRect InWindow(const QWidget &widget, const QWidget &window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

// How far the caption stands from the field, or "no caption" (max).
int Distance(const QRect &caption, const QRect &field)
{
    const bool sameRow = caption.bottom() >= field.center().y() && caption.top() <= field.center().y();
    if (sameRow && caption.left() < field.left() && field.left() - caption.right() <= kLeftReach)
        return std::max(0, field.left() - caption.right());
    const bool overlapsColumn = caption.left() < field.right() && caption.right() > field.left();
    if (overlapsColumn && caption.bottom() <= field.top() + 2 && field.top() - caption.bottom() <= kAboveReach)
        return kLeftReach + field.top() - caption.bottom();
    return std::numeric_limits<int>::max();
}

QString NameFromCaption(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("[\\s:]+$"))).trimmed();
}

} // namespace

void NameFieldsByTheirCaptions(QWidget &window)
{
    QList<const QLabel *> captions;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->textFormat() != Qt::RichText && !NameFromCaption(label->text()).isEmpty() && !Qt::mightBeRichText(label->text()))
            captions.append(label);
    for (QWidget *field : window.findChildren<QWidget *>()) {
        if (!IsField(*field) || IsInsideField(*field, window) || !field->accessibleName().isEmpty())
            continue;
        const QRect fieldRect = InWindow(*field, window);
        const QLabel *nearest = nullptr;
        int nearestDistance = std::numeric_limits<int>::max();
        for (const QLabel *caption : captions) {
            const int distance = Distance(InWindow(*caption, window), fieldRect);
            if (distance < nearestDistance) {
                nearest = caption;
                nearestDistance = distance;
            }
        }
        if (nearest)
            field->setAccessibleName(NameFromCaption(nearest->text()));
    }
}
