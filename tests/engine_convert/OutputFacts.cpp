#include "OutputFacts.h"

#include "MediaTools.h"

#include <cmath>
#include <cstdlib>

using enginetest::ProgramOutput;

namespace converttest {

namespace {

constexpr int kToneSampleRate = 16000;

std::vector<int16_t> MonoSamples(const std::string &file)
{
    const std::string raw = ProgramOutput({"ffmpeg", "-nostdin", "-loglevel", "error", "-i", file, "-map", "0:a:0",
                                           "-ac", "1", "-ar", std::to_string(kToneSampleRate), "-f", "s16le", "-"});
    std::vector<int16_t> samples(raw.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(uint8_t(raw[2 * i]) | (uint8_t(raw[2 * i + 1]) << 8));
    return samples;
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    const size_t lineEnd = text.find('\n');
    return lineEnd == std::string::npos ? text : text.substr(0, lineEnd);
}

} // namespace

OutputSummary::OutputSummary(const std::string &file)
{
    const std::string text = ProgramOutput({"ffprobe", "-v", "error", "-show_format", "-show_streams", "-of",
                                            "flat", file});
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        const std::string line = text.substr(lineStart, lineEnd - lineStart);
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            std::string value = line.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"')
                value = value.substr(1, value.size() - 2);
            values_[line.substr(0, equals)] = value;
        }
        lineStart = lineEnd + 1;
    }
}

std::string OutputSummary::Value(const std::string &key) const
{
    const auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
}

// The key of the first stream of `type` ("video", "audio").
std::string OutputSummary::StreamValue(const std::string &type, const std::string &key) const
{
    for (int index = 0; index < 16; ++index) {
        const std::string prefix = "streams.stream." + std::to_string(index) + ".";
        if (Value(prefix + "codec_type") == type)
            return Value(prefix + key);
    }
    return {};
}

double OutputSummary::Number(const std::string &text) const
{
    return text.empty() ? -1 : std::strtod(text.c_str(), nullptr);
}

int PacketCount(const std::string &file, const std::string &streams)
{
    const std::string text = Trimmed(ProgramOutput({"ffprobe", "-v", "error", "-count_packets", "-select_streams",
                                                    streams, "-show_entries", "stream=nb_read_packets", "-of",
                                                    "default=nw=1:nk=1", file}));
    return text.empty() ? -1 : std::atoi(text.c_str());
}

double ToneFrequency(const std::string &file)
{
    const std::vector<int16_t> samples = MonoSamples(file);
    int crossings = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return samples.empty() ? 0 : crossings / 2.0 / (double(samples.size()) / kToneSampleRate);
}

double AudioLevelDb(const std::string &file)
{
    const std::vector<int16_t> samples = MonoSamples(file);
    double squares = 0;
    for (int16_t sample : samples)
        squares += double(sample) * sample;
    if (samples.empty() || squares == 0)
        return -200;
    return 10 * std::log10(squares / samples.size() / (32768.0 * 32768.0));
}

std::vector<uint8_t> PictureGrey(const std::string &file, int index, int width, int height)
{
    const std::string filter = "select=eq(n\\," + std::to_string(index) + "),scale=" + std::to_string(width) + ":" +
                               std::to_string(height);
    const std::string raw = ProgramOutput({"ffmpeg", "-nostdin", "-loglevel", "error", "-i", file, "-vf", filter,
                                           "-frames:v", "1", "-pix_fmt", "gray", "-f", "rawvideo", "-"});
    return std::vector<uint8_t>(raw.begin(), raw.end());
}

std::vector<uint8_t> FirstPictureChroma(const std::string &file, int width, int height, const std::string &filter)
{
    std::vector<std::string> command{"ffmpeg", "-nostdin", "-loglevel", "error", "-i", file, "-frames:v", "1"};
    if (!filter.empty())
        command.insert(command.end(), {"-vf", filter});
    command.insert(command.end(), {"-pix_fmt", "yuv420p", "-f", "rawvideo", "-"});
    const std::string raw = ProgramOutput(command);
    const size_t lumaBytes = size_t(width) * height;
    if (raw.size() != lumaBytes * 3 / 2)
        return {};
    return std::vector<uint8_t>(raw.begin() + lumaBytes, raw.end());
}

double AverageGrey(const std::vector<uint8_t> &picture, int width, int left, int top, int right, int bottom)
{
    double sum = 0;
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const size_t index = size_t(y) * width + x;
            if (index < picture.size()) {
                sum += picture[index];
                ++count;
            }
        }
    }
    return count ? sum / count : -1;
}

bool DecodesCleanly(const std::string &file)
{
    return enginetest::RunProgram({"ffmpeg", "-nostdin", "-v", "error", "-xerror", "-i", file, "-f", "null", "-"});
}

} // namespace converttest
