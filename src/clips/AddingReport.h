#pragma once
// Texts and numbers of an adding pass: the progress panel's step and the report
// of the files that could not be added.

#include <QStringList>

struct AddingProgress {
    int barWidth = 0;   // pixels of the 271-pixel bar
    int percent = 0;
};
// Step `done` of `total` files; 0 with no files.
AddingProgress AddingProgressAt(int done, int total);

// "Some UNSUPPORTED file(s) format can not add in. \n\n" and one line per path.
QString UnsupportedFilesReport(const QStringList &rejectedPaths);
