// author_main: runs the dvdauthor program on a description file. The program
// is started directly (no shell), so no file name can become a command.
// author_progress and author_stop serve the one author_main call that runs.
#include "dvdauthoring.h"

#include "AuthorDescription.h"
#include "AuthorProgress.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr const char *kDvdauthorProgram = "/usr/bin/dvdauthor";

// The caller's environment with VIDEO_FORMAT replaced: dvdauthor needs it for
// descriptions without menus.
std::vector<std::string> EnvironmentWith(const std::string &videoFormat) {
    std::vector<std::string> entries;
    for (char **entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, "VIDEO_FORMAT=", 13) != 0)
            entries.emplace_back(*entry);
    if (!videoFormat.empty())
        entries.push_back("VIDEO_FORMAT=" + videoFormat);
    return entries;
}

std::vector<char *> PointersTo(std::vector<std::string> &texts) {
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The one dvdauthor program running for author_main, for author_stop to end. Only
// its process group number is kept; it stays valid until the program is reaped.
std::mutex runningMutex;
pid_t runningGroup = 0;
std::atomic<int32_t> progressPercent{-1};

void SetRunningGroup(pid_t group) {
    std::lock_guard lock(runningMutex);
    runningGroup = group;
}

// Feeds dvdauthor's output, whose status lines end in CR or LF, to the progress.
void FollowOutput(int outputFd, dvdauthoring::AuthorProgress &progress) {
    std::string line;
    char buffer[4096];
    for (;;) {
        ssize_t count = read(outputFd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i) {
            if (buffer[i] == '\r' || buffer[i] == '\n') {
                progress.ReadLine(line);
                progressPercent = progress.Percent();
                line.clear();
            } else if (line.size() < 4096) {
                line += buffer[i];
            }
        }
    }
}

// Runs the program in a process group of its own, following its output; the exit
// status is the answer (-1 when it did not run or was ended).
int RunFollowed(std::vector<std::string> arguments, std::vector<std::string> environment,
                dvdauthoring::AuthorProgress &progress) {
    std::vector<char *> argv = PointersTo(arguments);
    std::vector<char *> envp = PointersTo(environment);
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t child = 0;
    int spawned = posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return -1;
    }
    SetRunningGroup(child);
    FollowOutput(output[0], progress);
    close(output[0]);
    int status = 0;
    pid_t reaped = 0;
    while ((reaped = waitpid(child, &status, 0)) < 0 && errno == EINTR) {
    }
    SetRunningGroup(0);
    if (reaped < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

extern "C" DVDAUTHORING_API int32_t author_main(const char *authorXmlPath) {
    if (!authorXmlPath || !*authorXmlPath)
        return -1;
    std::string description = dvdauthoring::ReadTextFile(authorXmlPath);
    if (description.empty())
        return -1;
    std::string videoFormat = dvdauthoring::VideoFormatOf(description);
    dvdauthoring::AuthorProgress progress(dvdauthoring::TotalBytesOf(dvdauthoring::TitleFilesOf(description)));
    progressPercent = 0;
    int exitStatus = RunFollowed({kDvdauthorProgram, "-x", authorXmlPath}, EnvironmentWith(videoFormat), progress);
    progressPercent = -1;
    return exitStatus == 0 ? 0 : -1;
}

extern "C" DVDAUTHORING_API int32_t author_progress(void) {
    return progressPercent;
}

extern "C" DVDAUTHORING_API int32_t author_stop(void) {
    std::lock_guard lock(runningMutex);
    if (runningGroup <= 0)
        return -1;
    return kill(-runningGroup, SIGTERM) == 0 ? 0 : -1;
}
