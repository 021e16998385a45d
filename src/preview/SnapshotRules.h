#pragma once
// What a snapshot is saved as: the clip's own picture size and the file name
// the save dialog's choice and filter lead to.

#include <QSize>
#include <QString>

enum class SnapshotFormat { None, Jpeg, Bmp };

// Filter index 1 is JPEG, 2 is BMP; anything else saves nothing.
SnapshotFormat SnapshotFormatOfFilter(int filterIndex);

// Width x height, or with aspectFromCode the height the display aspect at
// aspectIndex gives (index 4: the clip's own shape), lowered to an even number.
QSize SnapshotSize(int width, int height, bool aspectFromCode, int aspectIndex);

// The chosen name with ".jpg" or ".bmp" appended unless it already ends so (any case).
QString SnapshotFileName(const QString &chosen, SnapshotFormat format);

// The name the save dialog proposes: the clip's file name without its extension and
// the shown second as hours-minutes-seconds, "concert 00-02-30".
QString SnapshotProposedName(const QString &clipFileName, int second);

// Where the save dialog opens: the folder last saved into, else the pictures folder.
QString SnapshotStartFolder(const QString &lastFolder, const QString &picturesFolder);
