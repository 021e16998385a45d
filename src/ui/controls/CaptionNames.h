#pragma once
// Fields (edits, drop-downs, number fields, sliders) are announced by assistive technology
// by the caption the user sees beside or above them.

class QWidget;

// Gives every field of `window` without an accessible name the text of its caption:
// the nearest label on its left in the same row, else the nearest label just above it.
void NameFieldsByTheirCaptions(QWidget &window);
