#pragma once

class QWidget;

// Builds the category bar "suiImagePanel_Item1", the eight target rows ("ip_...")
// and every target button on `form`. Only the Apple row lies inside the window;
// the bar and the other rows sit below its visible area.
void BuildTargetButtons(QWidget *form);
