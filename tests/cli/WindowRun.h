#pragma once
// The same choices made twice: on the program's windows (offscreen, with the program's
// wiring), as a user makes them, and as pelorin-convert's arguments.

#include <QPair>
#include <QString>
#include <QStringList>

class ScriptedQuestions;

namespace cli::testing_support {

using Setting = QPair<QString, QString>;   // a --set key and its value

struct PanelChoices {
    const char *target;      // a --target name
    const char *profile;     // a saved profile of the target; null: the one preselected
    QList<Setting> settings;
};

// "--target T [--profile P] [--set K=V]... --output-dir DIR FILE"
QStringList CommandArguments(const PanelChoices &choices, const QString &outputDir, const QString &file);

// The program's windows add `file` with the add button, choose the target with its
// buttons, the profile and the settings on the panel's controls (a list entry by its
// text, a number typed and the field left), and convert into `outputRoot` (ending
// with "/") with the start button; returns when the progress window has closed or
// asked its closing question. The run's questions are answered by `questions`.
void ConvertInWindow(const PanelChoices &choices, const QString &file, const QString &outputRoot,
                     ScriptedQuestions &questions, int runMilliseconds = 30000);

} // namespace cli::testing_support
