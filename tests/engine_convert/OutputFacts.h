#pragma once
// What an independent reader (ffprobe, ffmpeg) finds in a converted file.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace converttest {

// Everything ffprobe says about a file's container and its first video and
// audio streams, read with one ffprobe run. Missing values read as "" or -1.
class OutputSummary {
public:
    explicit OutputSummary(const std::string &file);

    std::string Format(const std::string &key) const { return Value("format." + key); }
    std::string Video(const std::string &key) const { return StreamValue("video", key); }
    std::string Audio(const std::string &key) const { return StreamValue("audio", key); }
    double Number(const std::string &text) const;

private:
    std::string Value(const std::string &key) const;
    std::string StreamValue(const std::string &type, const std::string &key) const;
    std::map<std::string, std::string> values_;
};

// Packets of the selected stream ("v:0", "a:0"); -1 when there is no such stream.
int PacketCount(const std::string &file, const std::string &streams);

// Dominant tone of the first audio stream in Hz, from its zero crossings.
double ToneFrequency(const std::string &file);
// Root-mean-square level of the first audio stream in dB below full scale.
double AudioLevelDb(const std::string &file);

// Picture number `index` of `file` as grey bytes of width x height.
std::vector<uint8_t> PictureGrey(const std::string &file, int index, int width, int height);
inline std::vector<uint8_t> FirstPictureGrey(const std::string &file, int width, int height)
{
    return PictureGrey(file, 0, width, height);
}
// The first picture's chroma planes (4:2:0), after the ffmpeg filter `filter` ("" for none).
std::vector<uint8_t> FirstPictureChroma(const std::string &file, int width, int height, const std::string &filter);
// Average of the grey bytes in a rectangle of a width-wide picture.
double AverageGrey(const std::vector<uint8_t> &picture, int width, int left, int top, int right, int bottom);

// True when ffmpeg decodes every stream of the file without an error.
bool DecodesCleanly(const std::string &file);

} // namespace converttest
