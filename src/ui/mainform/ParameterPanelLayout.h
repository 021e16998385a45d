#pragma once
// The controls of the conversion parameters in the lower half of the main window,
// with their design-time items. The parameter panel's behaviour (filling them
// per target, remembering them) finds them by name.

class QWidget;

void BuildParameterPanel(QWidget *form);
void BuildDvdPanel(QWidget *form);
