#include "Readability.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QAction>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionSpinBox>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace readability {

namespace {

double Channel(double value)
{
    value /= 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour)
{
    return 0.2126 * Channel(colour.red()) + 0.7152 * Channel(colour.green()) + 0.0722 * Channel(colour.blue());
}

bool IsDecoration(const QWidget &widget)
{
    return !widget.property(kDecorationProperty).toString().isEmpty();
}

bool IsShown(const QWidget &widget, const QWidget &window)
{
    return widget.isVisibleTo(&window) && !widget.visibleRegion().isEmpty() && !IsDecoration(widget);
}

// The part of a control where its text is drawn, in the control's own coordinates.
QRect TextArea(const QWidget &widget)
{
    const QStyle &style = *widget.style();
    if (const auto *box = qobject_cast<const QComboBox *>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        return style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    }
    if (qobject_cast<const QCheckBox *>(&widget) || qobject_cast<const QRadioButton *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(&widget);
        const auto element = qobject_cast<const QCheckBox *>(&widget) ? QStyle::SE_CheckBoxContents
                                                                        : QStyle::SE_RadioButtonContents;
        return style.subElementRect(element, &option, &widget);
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        return style.subElementRect(QStyle::SE_LineEditContents, &option, edit);
    }
    return widget.contentsRect();
}

QString ShownText(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        return edit->displayText();
    if (const auto *box = qobject_cast<const QComboBox *>(&widget))
        return box->currentText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(&widget))
        return spin->text();
    return {};
}

QString NameOf(const QWidget &widget)
{
    if (!widget.objectName().isEmpty())
        return widget.objectName();
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget.metaObject()->className()), ShownText(widget).left(40));
}

// The pixels of a region; their colours merged into bins of 8 levels a channel find
// the background, so that nearly equal shades count together.
struct RegionColours {
    struct Bin {
        long long red = 0, green = 0, blue = 0;
        int count = 0;
        QColor Mean() const { return QColor(int(red / count), int(green / count), int(blue / count)); }
    };
    QHash<int, Bin> bins;
    QList<QRgb> pixels;

    static int KeyOf(QRgb pixel) { return (qRed(pixel) >> 3) << 10 | (qGreen(pixel) >> 3) << 5 | (qBlue(pixel) >> 3); }

    void Add(QRgb pixel)
    {
        Bin &bin = bins[KeyOf(pixel)];
        bin.red += qRed(pixel);
        bin.green += qGreen(pixel);
        bin.blue += qBlue(pixel);
        ++bin.count;
        pixels.append(pixel);
    }
};

// Background: the most common colour. Text: among the pixels drawn on it (those
// that differ visibly from it, not a gradient's shades), the one at the top 3 %
// by contrast, so that the glyphs' smoothed edges do not count but a text of a few
// pixels (":") still does.
constexpr double kDrawnContrast = 1.25;

bool ForegroundAndBackground(const RegionColours &colours, QColor &foreground, QColor &background)
{
    int commonKey = -1, commonCount = 0;
    for (auto bin = colours.bins.cbegin(); bin != colours.bins.cend(); ++bin) {
        if (bin->count > commonCount) {
            commonKey = bin.key();
            commonCount = bin->count;
        }
    }
    if (commonKey < 0 || commonCount == colours.pixels.size())
        return false;   // a single colour: nothing drawn on it
    background = colours.bins[commonKey].Mean();
    QList<std::pair<double, QRgb>> drawn;
    for (QRgb pixel : colours.pixels) {
        const double ratio = ContrastRatio(QColor(pixel), background);
        if (ratio >= kDrawnContrast)
            drawn.append({ratio, pixel});
    }
    if (drawn.isEmpty())
        return false;
    const qsizetype rank = drawn.size() / 30;
    std::nth_element(drawn.begin(), drawn.begin() + rank, drawn.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    foreground = QColor(drawn[rank].second);
    return true;
}

bool IsControl(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QLineEdit *>(&widget)
           || qobject_cast<const QComboBox *>(&widget) || qobject_cast<const QAbstractSpinBox *>(&widget)
           || qobject_cast<const QAbstractSlider *>(&widget) || qobject_cast<const QProgressBar *>(&widget);
}

// The window's controls, without the parts of composite controls (a combo box's edit).
QList<QWidget *> ShownControls(QWidget &window)
{
    QList<QWidget *> controls;
    if (IsControl(window))   // a tool tip is a label of its own
        controls.append(&window);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->window() != &window || !IsControl(*widget) || !IsShown(*widget, window))
            continue;
        bool insideControl = false;
        for (QWidget *parent = widget->parentWidget(); parent && parent != &window; parent = parent->parentWidget())
            insideControl = insideControl || IsControl(*parent);
        if (!insideControl)
            controls.append(widget);
    }
    return controls;
}

// The visible part of a control, in window coordinates.
QRect VisibleRect(const QWidget &widget, const QWidget &window)
{
    const QRect visible = widget.visibleRegion().boundingRect();
    return QRect(widget.mapTo(&window, visible.topLeft()), visible.size());
}

// The contrast of the text drawn in `inWindow` (window coordinates).
TextContrast MeasureArea(const QString &control, const QString &text, const QRect &inWindow, const QImage &pixels,
                         QPoint origin, double scale)
{
    const QRect inPicture = QRect(origin + inWindow.topLeft() * scale, inWindow.size() * scale).intersected(pixels.rect());
    RegionColours colours;
    for (int y = inPicture.top(); y <= inPicture.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = inPicture.left(); x <= inPicture.right(); ++x)
            colours.Add(line[x]);
    }
    TextContrast contrast{control, text, {}, {}, 1.0};
    if (ForegroundAndBackground(colours, contrast.foreground, contrast.background))
        contrast.ratio = ContrastRatio(contrast.foreground, contrast.background);
    return contrast;
}

QList<TextContrast> MeasureMenu(const QMenu &menu, const QImage &pixels, QPoint origin, double scale)
{
    QList<TextContrast> measured;
    for (QAction *action : menu.actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            measured.append(MeasureArea(action->objectName(), action->text(), menu.actionGeometry(action), pixels,
                                        origin, scale));
    }
    return measured;
}

} // namespace

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = Luminance(first), b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string TextContrast::Describe() const
{
    return QStringLiteral("%1 \"%2\": %3 on %4, %5:1")
        .arg(control, text.left(60), foreground.name(), background.name())
        .arg(ratio, 0, 'f', 2)
        .toStdString();
}

QList<TextContrast> MeasureTexts(QWidget &window, const QImage &picture, QPoint origin, double scale)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    if (const auto *menu = qobject_cast<const QMenu *>(&window))
        return MeasureMenu(*menu, pixels, origin, scale);
    QList<TextContrast> measured;
    for (QWidget *widget : ShownControls(window)) {
        const QString text = ShownText(*widget);
        if (text.trimmed().isEmpty() || !widget->isEnabled())
            continue;
        const QRect area = TextArea(*widget).intersected(widget->visibleRegion().boundingRect());
        measured.append(MeasureArea(NameOf(*widget), text, QRect(widget->mapTo(&window, area.topLeft()), area.size()),
                                    pixels, origin, scale));
    }
    return measured;
}

QList<TextContrast> MeasureTexts(QWidget &window)
{
    const QPixmap grabbed = window.grab();
    return MeasureTexts(window, grabbed.toImage(), {}, grabbed.devicePixelRatio());
}

QStringList OverlappingControls(QWidget &window)
{
    QStringList overlaps;
    const QList<QWidget *> controls = ShownControls(window);
    for (int first = 0; first < controls.size(); ++first) {
        const QRect firstRect = VisibleRect(*controls[first], window);
        for (int second = first + 1; second < controls.size(); ++second) {
            if (controls[first]->isAncestorOf(controls[second]) || controls[second]->isAncestorOf(controls[first]))
                continue;
            if (firstRect.intersects(VisibleRect(*controls[second], window)))
                overlaps.append(NameOf(*controls[first]) + QStringLiteral(" / ") + NameOf(*controls[second]));
        }
    }
    return overlaps;
}

namespace {

// The part of a control that its parents and the window leave uncut, in window coordinates.
QRect UncutRect(const QWidget &widget, const QWidget &window)
{
    QRect rect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    for (const QWidget *parent = widget.parentWidget(); parent && parent != &window; parent = parent->parentWidget())
        rect &= QRect(parent->mapTo(&window, QPoint(0, 0)), parent->size());
    return rect & window.rect();
}

} // namespace

QStringList CutTexts(QWidget &window)
{
    QStringList cut;
    for (QWidget *widget : ShownControls(window)) {
        if (widget != &window && UncutRect(*widget, window).size() != widget->size()) {
            cut.append(NameOf(*widget) + QStringLiteral(" (reaches past its window or panel)"));
            continue;
        }
        int needed = 0;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->wordWrap() || label->inherits("ElidingLabel") || Qt::mightBeRichText(label->text()))
                continue;
            needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + label->indent();
            needed = std::max(needed, 0) - label->contentsRect().width() + label->width();
        } else if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget)) {
            needed = widget->sizeHint().width();
        }
        if (needed > widget->width())
            cut.append(QStringLiteral("%1 (%2 of %3 pixels)").arg(NameOf(*widget)).arg(widget->width()).arg(needed));
    }
    return cut;
}

QStringList ControlsWithoutAccessibleName(QWidget &window)
{
    QStringList unnamed;
    for (QWidget *widget : ShownControls(window)) {
        if (qobject_cast<QLabel *>(widget))
            continue;   // a label's name is its text
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(NameOf(*widget));
    }
    return unnamed;
}

} // namespace readability
