// The kept clip list as JSON:
//   {"format": "Pelorin clip list", "version": 1, "current": 0,
//    "clips": [{"file": "/videos/a.mp4", "checked": true, "start": 0, "end": 95,
//               "audio": 1, "subtitle": 0, "frameRate": 29.97}]}

#include "ClipListStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <type_traits>

namespace {

const QString kFormatName = QStringLiteral("Pelorin clip list");

QJsonObject ClipObject(const StoredClip &clip)
{
    return {{"file", clip.fileName},         {"checked", clip.checked}, {"start", clip.startSeconds},
            {"end", clip.endSeconds},        {"audio", clip.audioIndex}, {"subtitle", clip.subtitleIndex},
            {"frameRate", clip.frameRate}};
}

// A member absent keeps the default; one of the wrong kind makes the clip unreadable.
template <typename Value>
bool ReadMember(const QJsonObject &object, const char *key, Value &value)
{
    const QJsonValue member = object.value(QLatin1String(key));
    if (member.isUndefined())
        return true;
    if constexpr (std::is_same_v<Value, bool>) {
        value = member.toBool();
        return member.isBool();
    } else if constexpr (std::is_floating_point_v<Value>) {
        value = static_cast<Value>(member.toDouble());
        return member.isDouble();
    } else {
        value = member.toInt();
        return member.isDouble();
    }
}

std::optional<StoredClip> ClipOfObject(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    StoredClip clip;
    clip.fileName = object.value(QLatin1String("file")).toString();
    const bool read = value.isObject() && !clip.fileName.isEmpty() && ReadMember(object, "checked", clip.checked)
                      && ReadMember(object, "start", clip.startSeconds) && ReadMember(object, "end", clip.endSeconds)
                      && ReadMember(object, "audio", clip.audioIndex)
                      && ReadMember(object, "subtitle", clip.subtitleIndex)
                      && ReadMember(object, "frameRate", clip.frameRate);
    return read ? std::optional(clip) : std::nullopt;
}

std::optional<StoredClipList> Refused(QString *whyNot, const QString &reason)
{
    if (whyNot)
        *whyNot = reason;
    return std::nullopt;
}

} // namespace

QByteArray ClipListStore::Encode(const StoredClipList &list)
{
    QJsonArray clips;
    for (const StoredClip &clip : list.clips)
        clips.append(ClipObject(clip));
    const QJsonObject root{{"format", kFormatName}, {"version", kFormatVersion},
                           {"current", list.currentIndex}, {"clips", clips}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<StoredClipList> ClipListStore::Decode(const QByteArray &data, QString *whyNot)
{
    QJsonParseError parsing{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &parsing);
    if (parsing.error != QJsonParseError::NoError)
        return Refused(whyNot, QStringLiteral("not readable JSON (%1 at byte %2)").arg(parsing.errorString()).arg(parsing.offset));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != kFormatName)
        return Refused(whyNot, QStringLiteral("not a clip list"));
    const int version = root.value(QLatin1String("version")).toInt(0);
    if (version != kFormatVersion)
        return Refused(whyNot, QStringLiteral("clip list version %1, this program reads version %2").arg(version).arg(kFormatVersion));
    const QJsonValue clips = root.value(QLatin1String("clips"));
    if (!clips.isArray())
        return Refused(whyNot, QStringLiteral("no list of clips"));
    StoredClipList list;
    for (const QJsonValue &value : clips.toArray()) {
        std::optional<StoredClip> clip = ClipOfObject(value);
        if (!clip)
            return Refused(whyNot, QStringLiteral("clip %1 cannot be read").arg(list.clips.size() + 1));
        list.clips.push_back(std::move(*clip));
    }
    const int current = root.value(QLatin1String("current")).toInt(-1);
    list.currentIndex = current >= 0 && current < static_cast<int>(list.clips.size()) ? current : -1;
    return list;
}
