// author_main: runs the dvdauthor program on a description file. The program
// is started directly (no shell), so no file name can become a command.
#include "dvdauthoring.h"

#include "author_description.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

constexpr const char *kDvdauthorProgram = "/usr/bin/dvdauthor";

// The caller's environment with VIDEO_FORMAT replaced: dvdauthor needs it for
// descriptions without menus.
std::vector<std::string> environmentWith(const std::string &videoFormat) {
    std::vector<std::string> entries;
    for (char **entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, "VIDEO_FORMAT=", 13) != 0)
            entries.emplace_back(*entry);
    if (!videoFormat.empty())
        entries.push_back("VIDEO_FORMAT=" + videoFormat);
    return entries;
}

std::vector<char *> pointersTo(std::vector<std::string> &texts) {
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Its chatter goes nowhere; the exit status is the answer.
int runQuietly(std::vector<std::string> arguments, std::vector<std::string> environment) {
    std::vector<char *> argv = pointersTo(arguments);
    std::vector<char *> envp = pointersTo(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

extern "C" DVDAUTHORING_API int32_t author_main(const char *authorXmlPath) {
    if (!authorXmlPath || !*authorXmlPath)
        return -1;
    std::string description = dvdauthoring::readTextFile(authorXmlPath);
    if (description.empty())
        return -1;
    std::string videoFormat = dvdauthoring::videoFormatOf(description);
    int exitStatus = runQuietly({kDvdauthorProgram, "-x", authorXmlPath}, environmentWith(videoFormat));
    return exitStatus == 0 ? 0 : -1;
}
