#include "PanelJobValues.h"

#include "ParameterPanel.h"

#include <QWidget>

conversion::JobPanelValues JobPanelValuesOf(const QWidget &form)
{
    const auto *panel = form.findChild<const ParameterPanel *>(QString(), Qt::FindDirectChildrenOnly);
    return panel ? panel->JobValues() : conversion::JobPanelValues();
}
