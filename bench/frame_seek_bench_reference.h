#pragma once
// The ffmpeg program's frames around a second of a file, scaled the way the
// engine scales (bicubic, full chroma interpolation, the file's chroma siting),
// so the benchmark can check that each seek gave the frame shown at that second
// and not one of its neighbours.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace benchreference {

// The program's standard output, or "" when it failed.
inline std::string ProgramOutput(const std::vector<std::string> &arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[65536];
    for (ssize_t got; spawned == 0 && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return output;
}

inline double Psnr(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b) {
    if (a.empty() || a.size() != b.size())
        return 0;
    double squares = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        double difference = static_cast<double>(a[i]) - b[i];
        squares += difference * difference;
    }
    return squares == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * a.size() / squares);
}

// The frame shown at a second (the last one starting at or before it) and its
// two neighbours; empty where ffmpeg gave none.
struct FramesAround {
    std::vector<uint8_t> before, shown, after;
};

class FrameReference {
public:
    FrameReference(std::string file, int width, int height)
        : file_(std::move(file)), frameBytes_(static_cast<size_t>(width) * height * 3) {
        startSeconds_ = std::atof(Probe("format=start_time").c_str());
        scale_ = "scale=" + std::to_string(width) + ":" + std::to_string(height) +
                 ":flags=bicubic+full_chroma_int+accurate_rnd";
        std::string location = Probe("stream=chroma_location");
        if (location.rfind("left", 0) == 0)
            scale_ += ":in_h_chr_pos=0:in_v_chr_pos=128";
        else if (location.rfind("topleft", 0) == 0)
            scale_ += ":in_h_chr_pos=0:in_v_chr_pos=0";
        // The engine takes unmarked HD pictures as BT.709, the scale filter as BT.601.
        bool unmarked = Probe("stream=color_space").rfind("unknown", 0) == 0;
        if (unmarked && std::atoi(Probe("stream=height").c_str()) >= 720)
            scale_ += ":in_color_matrix=bt709";
    }

    // Seconds count from the file's first timestamp, as in the engine.
    FramesAround Around(int second) const {
        char limit[64];
        std::snprintf(limit, sizeof limit, "%.6f", startSeconds_ + second + 1e-6);
        const std::string from = std::to_string(std::max(0.0, second - 1.5));
        FramesAround frames;
        std::vector<std::vector<uint8_t>> upTo =
            Split(Decode(from, {"-t", "2.5"}, "select=between(t\\," + std::string(limit) + "-0.5\\," + limit + ")"));
        if (!upTo.empty())
            frames.shown = upTo.back();
        if (upTo.size() > 1)
            frames.before = upTo[upTo.size() - 2];
        std::vector<std::vector<uint8_t>> later =
            Split(Decode(from, {}, "select=gt(t\\," + std::string(limit) + ")", {"-frames:v", "1"}));
        if (!later.empty())
            frames.after = later.front();
        return frames;
    }

private:
    std::string Probe(const std::string &entries) const {
        return ProgramOutput({"ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries", entries, "-of",
                              "default=nw=1:nk=1", file_});
    }

    // Raw frames decoded with the file's own timestamps (-copyts).
    std::string Decode(const std::string &from, const std::vector<std::string> &inputLimits, const std::string &select,
                       const std::vector<std::string> &outputLimits = {}) const {
        std::vector<std::string> command{"ffmpeg", "-nostdin", "-loglevel", "error", "-copyts", "-ss", from};
        command.insert(command.end(), inputLimits.begin(), inputLimits.end());
        command.insert(command.end(), {"-i", file_, "-an", "-sn", "-vf", select + "," + scale_});
        command.insert(command.end(), outputLimits.begin(), outputLimits.end());
        command.insert(command.end(), {"-pix_fmt", "bgr24", "-f", "rawvideo", "-"});
        return ProgramOutput(command);
    }

    std::vector<std::vector<uint8_t>> Split(const std::string &raw) const {
        std::vector<std::vector<uint8_t>> frames;
        for (size_t at = 0; at + frameBytes_ <= raw.size(); at += frameBytes_)
            frames.emplace_back(raw.begin() + static_cast<std::ptrdiff_t>(at),
                                raw.begin() + static_cast<std::ptrdiff_t>(at + frameBytes_));
        return frames;
    }

    std::string file_;
    size_t frameBytes_;
    double startSeconds_ = 0;
    std::string scale_;
};

} // namespace benchreference
