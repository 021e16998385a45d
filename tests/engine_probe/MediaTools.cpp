#include "MediaTools.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace enginetest {
namespace {

std::vector<char *> ArgumentPointers(const std::vector<std::string> &arguments) {
    std::vector<char *> pointers;
    for (const std::string &argument : arguments)
        pointers.push_back(const_cast<char *>(argument.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

// Spawns the program with stdout going to `outputFd` (or /dev/null when -1) and
// stdin read from `inputPath`.
int SpawnAndWait(const std::vector<std::string> &arguments, int outputFd, const char *inputPath = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath, O_RDONLY, 0);
    if (outputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> argv = ArgumentPointers(arguments);
    pid_t child = 0;
    int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

bool RunProgram(const std::vector<std::string> &arguments) {
    return SpawnAndWait(arguments, -1) == 0;
}

std::string ProgramOutput(const std::vector<std::string> &arguments) {
    FILE *capture = std::tmpfile();
    if (!capture)
        return {};
    int status = SpawnAndWait(arguments, fileno(capture));
    std::string output;
    std::rewind(capture);
    for (int c = std::fgetc(capture); c != EOF; c = std::fgetc(capture))
        output.push_back(static_cast<char>(c));
    std::fclose(capture);
    return status == 0 ? output : std::string();
}

bool FilterThroughProgram(const std::vector<std::string> &arguments, const std::string &input,
                          const std::string &output) {
    FILE *target = std::fopen(output.c_str(), "wb");
    if (!target)
        return false;
    const int status = SpawnAndWait(arguments, fileno(target), input.c_str());
    return std::fclose(target) == 0 && status == 0;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvid-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

bool MakeMedia(const std::vector<std::string> &arguments, const std::string &output) {
    std::vector<std::string> command{"ffmpeg", "-nostdin", "-loglevel", "error", "-y"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    command.push_back(output);
    return RunProgram(command);
}

std::vector<uint8_t> ReferenceFrame(const std::string &file, int index, int width, int height,
                                    const std::string &extraScaleOptions) {
    std::string filter = "select=eq(n\\," + std::to_string(index) + "),scale=" + std::to_string(width) + ":" +
                         std::to_string(height) + extraScaleOptions;
    std::string output = ProgramOutput({"ffmpeg", "-nostdin", "-loglevel", "error", "-i", file, "-vf", filter,
                                        "-frames:v", "1", "-pix_fmt", "bgr24", "-f", "rawvideo", "-"});
    return std::vector<uint8_t>(output.begin(), output.end());
}

std::string SitedScaleOptions(const std::string &file) {
    std::string location = ProgramOutput({"ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                                          "stream=chroma_location", "-of", "default=nw=1:nk=1", file});
    std::string options = ":flags=bicubic+full_chroma_int+accurate_rnd";
    if (location.rfind("left", 0) == 0)
        options += ":in_h_chr_pos=0:in_v_chr_pos=128";
    else if (location.rfind("topleft", 0) == 0)
        options += ":in_h_chr_pos=0:in_v_chr_pos=0";
    return options;
}

double Psnr(const uint8_t *a, const std::vector<uint8_t> &b) {
    if (!a || b.empty())
        return 0;
    double squares = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double difference = static_cast<double>(a[i]) - b[i];
        squares += difference * difference;
    }
    if (squares == 0)
        return 99;
    return 10 * std::log10(255.0 * 255.0 * b.size() / squares);
}

double Psnr(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b) {
    return a.size() == b.size() ? Psnr(a.data(), b) : 0;
}

double ProbeNumber(const std::string &file, const std::string &selectStreams, const std::string &entries) {
    std::vector<std::string> command{"ffprobe", "-v", "error"};
    if (!selectStreams.empty())
        command.insert(command.end(), {"-select_streams", selectStreams});
    command.insert(command.end(), {"-show_entries", entries, "-of", "default=nw=1:nk=1", file});
    std::string output = ProgramOutput(command);
    return output.empty() ? std::nan("") : std::strtod(output.c_str(), nullptr);
}

int FrameShownAt(const std::string &file, double seconds) {
    double target = ProbeNumber(file, "", "format=start_time") + seconds + 1e-6;
    std::istringstream times(ProgramOutput({"ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                                            "frame=best_effort_timestamp_time", "-of", "csv", file}));
    const std::string prefix = "frame,";   // other lines carry side data
    int shown = 0;
    int index = 0;
    for (std::string line; std::getline(times, line);) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        char *end = nullptr;
        double time = std::strtod(line.c_str() + prefix.size(), &end);
        if (end != line.c_str() + prefix.size() && time <= target)
            shown = index;
        ++index;
    }
    return shown;
}

int ThreadCount() {
    int count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

std::vector<uint8_t> ReadFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool MakeSocket(const std::string &path) {
    const int descriptor = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (descriptor < 0 || path.size() >= sizeof address.sun_path)
        return false;
    path.copy(address.sun_path, path.size());
    return bind(descriptor, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
}

} // namespace enginetest
