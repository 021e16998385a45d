#pragma once
// Cursors of the program, loaded from Windows cursor files in the program's
// "Cursor/" folder and registered under their numbers.

#include <QCursor>
#include <QString>
#include <optional>

namespace skin {

constexpr int kDragCursor = 1001;    // "DragWE.cur": the range bar's handles
constexpr int kPressCursor = 1002;   // "Press.cur": the clip rows

// Reads a .cur file with its hot spot; nothing when the file is missing or unreadable.
std::optional<QCursor> LoadCursorFile(const QString &path);

// Loads both cursor files from `programFolder` + "Cursor/". A missing file leaves
// its number with the default arrow.
void RegisterCursors(const QString &programFolder);
QCursor RegisteredCursor(int number);

} // namespace skin
