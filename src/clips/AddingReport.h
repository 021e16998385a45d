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

// A file's line in a report of files that could not be added or converted: its path,
// and its reason in brackets when known.
QString FileWithReason(const QString &path, const QString &reason);

// "Some UNSUPPORTED file(s) format can not add in. \n\n" and one line per rejected file.
QString UnsupportedFilesReport(const QStringList &rejectedLines);
