#pragma once
// The parameter panel's values as job assembly takes them when a run starts.

#include "JobPanelValues.h"

class QWidget;

// The state of the parameter panel on `form`; the defaults when the form has no panel.
conversion::JobPanelValues JobPanelValuesOf(const QWidget &form);
