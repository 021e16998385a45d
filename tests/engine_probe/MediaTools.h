#pragma once
// Test helpers around the ffmpeg and ffprobe programs: running them without a
// shell, decoding reference frames, and comparing pictures.

#include <cstdint>
#include <string>
#include <vector>

namespace enginetest {

// Runs a program (searched on PATH) with its output discarded; true on exit 0.
bool RunProgram(const std::vector<std::string> &arguments);
// Runs a program and returns its standard output ("" on failure).
std::string ProgramOutput(const std::vector<std::string> &arguments);
// Runs a program that reads file `input` on its standard input and writes file `output`.
bool FilterThroughProgram(const std::vector<std::string> &arguments, const std::string &input,
                          const std::string &output);

// A fresh folder under the system's temporary folder, removed by the destructor.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::string &Path() const { return path_; }
    std::string File(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Runs ffmpeg quietly with the given arguments followed by the output file.
bool MakeMedia(const std::vector<std::string> &arguments, const std::string &output);

// Frame number `index` (in decode order of presentation) of the first video
// stream, scaled by ffmpeg to width x height blue-green-red rows.
std::vector<uint8_t> ReferenceFrame(const std::string &file, int index, int width, int height,
                                    const std::string &extraScaleOptions = "");

// Scale filter options that place chroma where the file's first video stream
// says it is, at the quality the engine scales with (the ffmpeg program itself
// assumes centred chroma).
std::string SitedScaleOptions(const std::string &file);

// Peak signal-to-noise ratio in dB over equal-sized byte pictures (99 when equal).
double Psnr(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b);
double Psnr(const uint8_t *a, const std::vector<uint8_t> &b);

// A number that ffprobe prints for `-show_entries entries` of `selectStreams`.
double ProbeNumber(const std::string &file, const std::string &selectStreams, const std::string &entries);

// The number (in presentation order) of the first video stream's frame that is
// shown at `seconds` after the file's start time, by ffprobe's frame times.
int FrameShownAt(const std::string &file, double seconds);

// Threads of this process now.
int ThreadCount();

// A bound Unix socket at `path`, kept open for the life of the process.
bool MakeSocket(const std::string &path);

std::vector<uint8_t> ReadFile(const std::string &path);
void WriteFile(const std::string &path, const std::vector<uint8_t> &bytes);

} // namespace enginetest
