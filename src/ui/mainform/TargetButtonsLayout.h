#pragma once

class QWidget;

// Builds the category bar "suiImagePanel_Item1", the eight target rows ("ip_...")
// and every target button on `form`, inside the window's target band. The rows
// share one place; the chosen category's row is the one shown.
void BuildTargetButtons(QWidget *form);

// Puts the buttons offered in more than one row (MP3: the Apple and the music row)
// into the row of `shownCategory`.
void PlaceSharedTargetButtons(QWidget *form, int shownCategory);
