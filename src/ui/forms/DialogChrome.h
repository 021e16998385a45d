#pragma once
// The title and close button that every skinned dialog shows in its header band.

#include <QString>

class PictureButton;
class QWidget;

// Puts the caption into the header band and a close button at its right end.
PictureButton *AddDialogChrome(QWidget *dialog, const QString &caption);
