#include "StreamChoice.h"

#include <cstring>
#include <vector>

namespace korvid {
namespace {

constexpr int kPrivateStream1 = 0xBD;       // MPEG-PS private stream 1 (AC-3, DTS, LPCM)
constexpr int kFirstSubStream = 0x80;
constexpr int kLastSubStream = 0xBF;

bool IsUsable(const AVStream *stream, AVMediaType type) {
    if (stream->codecpar->codec_type != type)
        return false;
    // Cover art of audio files is a video stream of one picture, not a video.
    return !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

std::vector<int> StreamsOfType(const AVFormatContext *format, AVMediaType type) {
    std::vector<int> indexes;
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (IsUsable(format->streams[i], type))
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

int FindById(const AVFormatContext *format, const std::vector<int> &candidates, int id) {
    for (int index : candidates)
        if (format->streams[index]->id == id)
            return index;
    return -1;
}

// Private stream 1 as a whole: its lowest sub-stream.
int FindFirstSubStream(const AVFormatContext *format, const std::vector<int> &candidates) {
    int best = -1;
    for (int index : candidates) {
        int id = format->streams[index]->id;
        if (id >= kFirstSubStream && id <= kLastSubStream && (best < 0 || id < format->streams[best]->id))
            best = index;
    }
    return best;
}

// MediaInfo writes MPEG-PS stream ids as the byte after 0x000001; FFmpeg keeps 0x1xx.
int FindByIdentifier(const AVFormatContext *format, const std::vector<int> &candidates, int id) {
    int index = FindById(format, candidates, id);
    if (index < 0 && id == kPrivateStream1)
        index = FindFirstSubStream(format, candidates);
    if (index < 0 && id >= 0xC0 && id <= 0xEF)
        index = FindById(format, candidates, 0x100 | id);
    return index;
}

bool IsMatroska(const AVFormatContext *format) {
    return format->iformat && std::strstr(format->iformat->name, "matroska") != nullptr;
}

int FirstOrNone(const std::vector<int> &candidates) {
    return candidates.empty() ? -1 : candidates.front();
}

} // namespace

int ChooseVideoStream(const AVFormatContext *format, int videoStreamId) {
    std::vector<int> candidates = StreamsOfType(format, AVMEDIA_TYPE_VIDEO);
    if (videoStreamId > 0) {
        int index = FindByIdentifier(format, candidates, videoStreamId);
        if (index >= 0)
            return index;
    }
    return FirstOrNone(candidates);
}

int ChooseAudioStream(const AVFormatContext *format, int audioTrack) {
    std::vector<int> candidates = StreamsOfType(format, AVMEDIA_TYPE_AUDIO);
    if (audioTrack < 0)
        return FirstOrNone(candidates);
    if (IsMatroska(format))
        return audioTrack < static_cast<int>(candidates.size()) ? candidates[audioTrack] : FirstOrNone(candidates);
    int index = FindByIdentifier(format, candidates, audioTrack);
    return index >= 0 ? index : FirstOrNone(candidates);
}

} // namespace korvid
