#pragma once
// Measures what a user reads in a window, on a picture of it:
// - the WCAG contrast between each visible text and what is behind it, read from
//   the picture's pixels inside the control's text area (the most common colour is
//   the background; the colour standing out most from it, among colours that cover
//   a few pixels, is the text);
// - pairs of visible controls of the window that intersect;
// - controls that assistive technology would announce without a name.
//
//   const QImage picture = window.grab().toImage();
//   for (const auto &text : readability::MeasureTexts(window, picture))
//       EXPECT_GE(text.ratio, 4.5) << text.Describe();

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace readability {

inline constexpr double kMinimumContrast = 4.5;   // WCAG AA for normal text

double ContrastRatio(const QColor &first, const QColor &second);

struct TextContrast {
    QString control;   // objectName, or class and text when it has none
    QString text;
    QColor foreground;
    QColor background;
    double ratio = 0;
    std::string Describe() const;
};

// Every visible, enabled text of `window` (for a menu: its entries) and its contrast on `picture`, where the
// window's top left corner lies at `origin` (in the picture's pixels) and one of the
// window's pixels spans `scale` picture pixels (a grab's device pixel ratio, or the
// screen's scale for a screenshot). Disabled controls are left out, as WCAG does.
QList<TextContrast> MeasureTexts(QWidget &window, const QImage &picture, QPoint origin, double scale);
// The window grabbed by itself.
QList<TextContrast> MeasureTexts(QWidget &window);

// "first / second" for each pair of visible controls that intersect.
QStringList OverlappingControls(QWidget &window);

// Visible texts cut without an ellipsis: one-line labels and check boxes narrower
// than their text (labels that cut with "…" themselves are left out).
QStringList CutTexts(QWidget &window);

// Visible controls that a screen reader would announce without a name.
QStringList ControlsWithoutAccessibleName(QWidget &window);

// A control whose property "decorationOf" names another control is drawn as that
// one's decoration (a title's shadow) and is measured neither for contrast nor for overlap.
inline constexpr const char *kDecorationProperty = "decorationOf";

} // namespace readability
