#include "DvdDescription.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace conversion {

namespace {

// An attribute value in double quotes. Markup characters become references, so a file
// name with "&" or a quote cannot break the description; so do tabs and line breaks,
// which a parser would otherwise read as blanks.
QByteArray AttributeText(const QString &text)
{
    QByteArray escaped;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        case '\t': escaped += "&#9;"; break;
        case '\n': escaped += "&#10;"; break;
        case '\r': escaped += "&#13;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// Every line ends with CR LF, the last one too.
class Lines {
public:
    Lines &operator<<(const QByteArray &line)
    {
        text_ += line + "\r\n";
        return *this;
    }
    const QByteArray &Text() const { return text_; }

private:
    QByteArray text_;
};

void AddHead(Lines &lines, const QString &destination, const DvdVideoSettings &video)
{
    lines << "<dvdauthor dest=\"" + AttributeText(destination) + "\">"
          << "  <vmgm>"
          << "  </vmgm>"
          << "  <titleset>"
          << "      <titles>"
          << QByteArray("         <video format=\"") + (video.pal ? "pal" : "ntsc") + "\" aspect="
                 + (video.wide ? "\"16:9\"" : "\"4:3\"")
          << QByteArray("                resolution=") + (video.pal ? "\"720x576\"" : "\"720x480\"")
          << (video.wide ? "                widescreen=\"nopanscan\" />" : "                />")
          << "         <audio format=\"ac3\""
          << "                quant=\"16bps\" dolby=\"surround\""
          << "                samplerate=\"48khz\"/>";
}

// The last title has no lines of its own after its file: the closing lines jump back to title 1.
void AddTitle(Lines &lines, const QString &file, int title, bool last)
{
    lines << "        <pgc>"
          << "          <vob file=\"" + AttributeText(file) + "\" />";
    if (!last)
        lines << "          <post>jump title " + QByteArray::number(title + 1) + " ;</post>"
              << "        </pgc>";
}

void AddTail(Lines &lines)
{
    lines << "          <post>jump title 1;</post>"
          << "        </pgc>"
          << "      </titles>"
          << "  </titleset>"
          << "</dvdauthor>";
}

bool Save(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

QString DvdDestination(const QString &jobFolder)
{
    const QString base = jobFolder + QStringLiteral("DVD_DISC");
    QString destination = base;
    for (int n = 1; QFileInfo::exists(destination); ++n)
        destination = base + QLatin1Char('_') + QString::number(n);
    return destination;
}

bool WriteAuthorXml(const QString &xmlPath, const QString &destination, const DvdVideoSettings &video,
                    const QStringList &titleFiles)
{
    Lines lines;
    AddHead(lines, destination, video);
    const int titles = std::min<int>(titleFiles.size(), kMaxDvdTitles);
    for (int index = 0; index < titles; ++index) {
        if (!QFileInfo(titleFiles[index]).isFile())
            return false;
        AddTitle(lines, titleFiles[index], index + 1, index + 1 == titles);
    }
    AddTail(lines);
    if (titles > 0)   // without a title the closing lines would close nothing
        Save(xmlPath, lines.Text());
    return true;
}

} // namespace conversion
