// Renders one skin picture from its SVG source at build time.
//   background OUT W H SOURCE          opaque picture, corners outside the artwork keyed magenta
//   dialog     OUT W H HEADER [OVERLAY]  dialog background with a title band, keyed corners
//   picture    OUT W H SOURCE          opaque picture (PNG or JPEG by the file name)
//   image      OUT W H SOURCE          picture with its alpha channel
//   button     OUT W H PLATE PALETTE GLYPH   OUT_normal/_hover/_pressed/_disabled.png
//   cursor     OUT W H SOURCE HX HY    Windows cursor file (32-bit image with mask)

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr QRgb kKeyColour = 0xFFFF00FF;

struct StateColours {
    QColor top, bottom, edge, ink, sub;
};

// Palettes per button state: normal, hover, pressed, disabled. A target button's
// disabled state marks the chosen target, so the "tile" palette shows it lit; the
// "tab" palette does the same for the chosen category. Lit faces stay dark enough
// for white text.
using Palette = std::array<StateColours, 4>;

const std::map<QString, Palette> &Palettes()
{
    static const std::map<QString, Palette> table = {
        {"chrome", {{{"#00ffffff", "#00ffffff", "#00ffffff", "#aeb9c7", "#6f7b8c"},
                     {"#26ffffff", "#1affffff", "#00ffffff", "#ffffff", "#aeb9c7"},
                     {"#1ab0c6", "#138ea1", "#00ffffff", "#ffffff", "#d6f5fa"},
                     {"#00ffffff", "#00ffffff", "#00ffffff", "#4a5362", "#3c4450"}}}},
        {"danger", {{{"#00ffffff", "#00ffffff", "#00ffffff", "#aeb9c7", "#6f7b8c"},
                     {"#e5484d", "#c9363b", "#00ffffff", "#ffffff", "#ffd9da"},
                     {"#b42d32", "#9b2529", "#00ffffff", "#ffffff", "#ffd9da"},
                     {"#00ffffff", "#00ffffff", "#00ffffff", "#4a5362", "#3c4450"}}}},
        {"tile", {{{"#353e4d", "#2b323f", "#424c5e", "#c7d1dd", "#7f8b9c"},
                   {"#3e4a5d", "#323c4c", "#1ab0c6", "#ffffff", "#9fe3ee"},
                   {"#178ea2", "#12788a", "#1ab0c6", "#ffffff", "#d6f5fa"},
                   {"#0f7a8b", "#0c6472", "#5fd9ea", "#ffffff", "#9fe3ee"}}}},
        {"tab", {{{"#3b4557", "#2f3746", "#4b5669", "#e3e9f0", "#9aa6b6"},
                  {"#435066", "#364152", "#1ab0c6", "#ffffff", "#bfeff6"},
                  {"#178ea2", "#12788a", "#1ab0c6", "#ffffff", "#d6f5fa"},
                  {"#0f7a8b", "#0c6472", "#5fd9ea", "#ffffff", "#9fe3ee"}}}},
        {"action", {{{"#3b4557", "#2f3746", "#4b5669", "#e3e9f0", "#9aa6b6"},
                     {"#435066", "#364152", "#1ab0c6", "#ffffff", "#bfeff6"},
                     {"#178ea2", "#12788a", "#1ab0c6", "#ffffff", "#d6f5fa"},
                     {"#2c323d", "#272c35", "#343b47", "#5e6876", "#4d5663"}}}},
        {"primary", {{{"#22c3d9", "#1496aa", "#5fd9ea", "#ffffff", "#e2f8fb"},
                      {"#3fd0e3", "#1aa7bc", "#8de8f3", "#ffffff", "#ffffff"},
                      {"#12879a", "#0f7485", "#1ab0c6", "#e9fbfd", "#d6f5fa"},
                      {"#394150", "#2f3643", "#434c5b", "#707b8a", "#5e6876"}}}},
        {"flat", {{{"#00ffffff", "#00ffffff", "#00ffffff", "#d5dde7", "#8d99a9"},
                   {"#00ffffff", "#00ffffff", "#00ffffff", "#ffffff", "#1ab0c6"},
                   {"#00ffffff", "#00ffffff", "#00ffffff", "#1ab0c6", "#1ab0c6"},
                   {"#00ffffff", "#00ffffff", "#00ffffff", "#5d6774", "#4a5260"}}}},
    };
    return table;
}

QByteArray ReadSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

QByteArray WithColours(QByteArray svg, const StateColours &colours)
{
    svg.replace("@INK@", colours.ink.name(QColor::HexRgb).toLatin1());
    svg.replace("@SUB@", colours.sub.name(QColor::HexRgb).toLatin1());
    svg.replace("@EDGE@", colours.edge.name(QColor::HexRgb).toLatin1());
    return svg;
}

QImage RenderSvg(const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// Half-covered edge pixels become opaque artwork or key colour, so the window
// shape cuts a clean outline without a pink fringe.
QImage KeyedBackground(const QImage &artwork)
{
    QImage image = artwork.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) < 128 ? kKeyColour : (line[x] | 0xFF000000);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

void PaintPlate(QPainter &painter, const QString &plate, QSize size, const StateColours &colours)
{
    if (plate == "none")
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QPainterPath path;
    if (plate == "round")
        path.addEllipse(box);
    else
        path.addRoundedRect(box, plate.toDouble(), plate.toDouble());
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, colours.top);
    face.setColorAt(1, colours.bottom);
    painter.fillPath(path, face);
    if (colours.edge.alpha() > 0)
        painter.strokePath(path, QPen(colours.edge, 1));
}

QImage DialogArtwork(QSize size, int headerHeight, const QString &overlay)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 10, 10);
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, QColor("#1d222c"));
    base.setColorAt(1, QColor("#15191f"));
    painter.fillPath(outline, base);
    QLinearGradient header(0, 0, 0, headerHeight);
    header.setColorAt(0, QColor("#283040"));
    header.setColorAt(1, QColor("#1f252f"));
    painter.setClipPath(outline);
    painter.fillRect(QRect(0, 0, size.width(), headerHeight), header);
    painter.fillRect(QRect(0, headerHeight, size.width(), 1), QColor("#2f3847"));
    painter.setClipping(false);
    painter.strokePath(outline, QPen(QColor("#394355"), 1));
    if (!overlay.isEmpty())
        QSvgRenderer(ReadSource(overlay)).render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

bool WriteButton(const QString &out, QSize size, const QString &plate, const QString &palette, const QString &glyph)
{
    const auto found = Palettes().find(palette);
    if (found == Palettes().end())
        return false;
    const QByteArray source = ReadSource(glyph);
    const char *suffixes[] = {"_normal.png", "_hover.png", "_pressed.png", "_disabled.png"};
    for (int state = 0; state < 4; ++state) {
        const StateColours &colours = found->second[state];
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintPlate(painter, plate, size, colours);
        QSvgRenderer(WithColours(source, colours)).render(&painter, QRectF(QPointF(0, 0), size));
        painter.end();
        if (!image.save(out + suffixes[state]))
            return false;
    }
    return true;
}

void AppendLittleEndian(QByteArray &bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A .cur file: one 32-bit bottom-up bitmap with its AND mask, hot spot in the directory entry.
bool WriteCursor(const QString &out, const QImage &artwork, int hotX, int hotY)
{
    const QImage image = artwork.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray bitmap;
    AppendLittleEndian(bitmap, 40, 4);
    AppendLittleEndian(bitmap, w, 4);
    AppendLittleEndian(bitmap, h * 2, 4);
    AppendLittleEndian(bitmap, 1, 2);
    AppendLittleEndian(bitmap, 32, 2);
    for (int i = 0; i < 6; ++i)
        AppendLittleEndian(bitmap, 0, 4);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
            AppendLittleEndian(bitmap, image.pixel(x, y), 4);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        bitmap.append(row);
    }
    QByteArray file;
    AppendLittleEndian(file, 0, 2);
    AppendLittleEndian(file, 2, 2);
    AppendLittleEndian(file, 1, 2);
    file.append(char(w)).append(char(h)).append(char(0)).append(char(0));
    AppendLittleEndian(file, hotX, 2);
    AppendLittleEndian(file, hotY, 2);
    AppendLittleEndian(file, bitmap.size(), 4);
    AppendLittleEndian(file, 22, 4);
    file.append(bitmap);
    QFile output(out);
    return output.open(QIODevice::WriteOnly) && output.write(file) == file.size();
}

bool Run(const QStringList &args)
{
    const QString kind = args.value(0), out = args.value(1);
    const QSize size(args.value(2).toInt(), args.value(3).toInt());
    if (kind == "button")
        return WriteButton(out, size, args.value(4), args.value(5), args.value(6));
    if (kind == "dialog")
        return KeyedBackground(DialogArtwork(size, args.value(4).toInt(), args.value(5))).save(out);
    const QImage artwork = RenderSvg(ReadSource(args.value(4)), size);
    if (kind == "background")
        return KeyedBackground(artwork).save(out);
    if (kind == "picture")
        return artwork.convertToFormat(QImage::Format_RGB32).save(out, nullptr, 92);
    if (kind == "image")
        return artwork.save(out);
    if (kind == "cursor")
        return WriteCursor(out, artwork, args.value(5).toInt(), args.value(6).toInt());
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (!Run(args)) {
        std::fprintf(stderr, "skin render failed: %s\n", qPrintable(args.join(' ')));
        return 1;
    }
    return 0;
}
