#pragma once
// What output naming reads from the parameter panel of the main window. The panel
// fills one of these whenever it asks for a refresh of the output names; naming
// never touches a widget.

#include <QString>

namespace naming {

struct OutputPanelValues {
    int targetNumber = -1;              // CurTargetType
    int aspectMode = 0;                 // resolved value of the selected aspect choice

    bool resolutionListShown = false;   // suiComboBox_Resolution visible
    QString resolutionText;             // its displayed text, e.g. "720:480"

    bool sizeFieldsEnabled = false;     // suiSpinEdit_VideoWidth enabled
    QString widthText;                  // suiSpinEdit_VideoWidth text
    QString heightText;                 // suiSpinEdit_VideoHeight text

    int outputFormatIndex = -1;         // selected index of suiComboBox_OutputFormat, -1 for none
    QString outputFormatValue;          // ResolveChoiceValue(OutputFormat, index) in the target section
};

} // namespace naming
