#include "skin/CursorFile.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPixmap>

namespace skin {
namespace {

QHash<int, QCursor> &Registry()
{
    static QHash<int, QCursor> cursors;
    return cursors;
}

quint16 LittleEndian16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

} // namespace

std::optional<QCursor> LoadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    // Directory: reserved, type 2 (cursor), count; first entry holds the hot spot at 10 and 12.
    if (bytes.size() < 22 || LittleEndian16(bytes, 2) != 2 || LittleEndian16(bytes, 4) < 1)
        return std::nullopt;
    const QImage image = QImage::fromData(bytes, "CUR");
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), LittleEndian16(bytes, 10), LittleEndian16(bytes, 12));
}

void RegisterCursors(const QString &programFolder)
{
    const std::pair<int, const char *> files[] = {{kDragCursor, "DragWE.cur"}, {kPressCursor, "Press.cur"}};
    for (const auto &[number, name] : files) {
        if (auto cursor = LoadCursorFile(programFolder + QStringLiteral("Cursor/") + QLatin1String(name)))
            Registry().insert(number, *cursor);
        else
            Registry().remove(number);
    }
}

QCursor RegisteredCursor(int number)
{
    return Registry().value(number, QCursor(Qt::ArrowCursor));
}

} // namespace skin
