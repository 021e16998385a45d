#pragma once
// The parameter panel's values as job assembly takes them when a run starts.

#include "JobPanelValues.h"

class QWidget;

// Read from the panel controls of `form`; a control the form lacks keeps its default.
conversion::JobPanelValues JobPanelValuesOf(const QWidget &form);
