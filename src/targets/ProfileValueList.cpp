#include "ProfileValueList.h"

#include "IniFile.h"

#include <QStringList>

namespace targets {

ProfileValues ProfileValues::Parse(const QString &valueList)
{
    ProfileValues values;
    const QStringList fields = valueList.split(QLatin1Char(','));
    for (int index = 0; index < FieldCount && index < fields.size(); ++index) {
        int number = 0;
        if (platform::LeadingInteger(fields.at(index).trimmed(), number))
            values.fields_[index] = number;
    }
    return values;
}

int ProfileValues::Field(int number) const
{
    return number >= 1 && number <= FieldCount ? fields_[number - 1] : 0;
}

namespace {

QString JoinedFields(std::initializer_list<int> fields)
{
    QStringList texts;
    for (int field : fields)
        texts.append(QString::number(field));
    return texts.join(QLatin1Char(','));
}

} // namespace

QString VideoProfileValueList(const VideoProfileChoice &choice)
{
    return JoinedFields({choice.outputFormatIndex, 0, choice.resolutionIndex, choice.frameRateIndex,
                         choice.videoBitRate, choice.audioBitrateIndex, choice.audioSampleRateIndex,
                         choice.volumeIndex, 0, choice.videoCodecIndex});
}

QString PanelProfileValueList(const PanelProfileChoice &choice)
{
    const VideoProfileChoice &video = choice.video;
    return JoinedFields({video.outputFormatIndex, choice.aspectIndex, video.resolutionIndex, video.frameRateIndex,
                         video.videoBitRate, video.audioBitrateIndex, video.audioSampleRateIndex, video.volumeIndex, 0,
                         video.videoCodecIndex, choice.audioCodecIndex});
}

QString MusicProfileValueList(int audioBitrateIndex, int audioSampleRateIndex)
{
    return QStringLiteral("0,0,0,0,0,%1,%2,0,0,0").arg(audioBitrateIndex).arg(audioSampleRateIndex);
}

} // namespace targets
