#include "MediaStreams.h"

void TMediaInfo::AddAudioStream(const TAudioStream &stream)
{
    const auto newId = static_cast<uint32_t>(stream.ID);
    auto place = AudioStreams.begin();
    while (place != AudioStreams.end() && static_cast<uint32_t>(place->ID) < newId)
        ++place;
    AudioStreams.insert(place, stream);
}

std::optional<TAudioStream> TMediaInfo::AudioStreamAt(uint32_t index) const
{
    if (index >= static_cast<uint32_t>(AudioStreams.size()))
        return std::nullopt;
    return AudioStreams.at(static_cast<qsizetype>(index));
}
