#include "source_limits.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace korvid {
namespace {

bool refuse(std::string *reason, const std::string &text) {
    if (reason)
        *reason = text;
    return false;
}

const char *kindOfNonFile(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "a special file";
}

} // namespace

bool isReadableSourceFile(const std::string &path, std::string *reason) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0)
        return refuse(reason, "cannot open the file: " + std::string(std::strerror(errno)));
    if (!S_ISREG(facts.st_mode))
        return refuse(reason, std::string("unsupported source: it is ") + kindOfNonFile(facts.st_mode) +
                                  ", not a file");
    return true;
}

bool isSupportedPictureSize(int width, int height, std::string *reason) {
    const bool tooLarge = width > kLargestPictureSide || height > kLargestPictureSide ||
                          (width > 0 && height > 0 && static_cast<long long>(width) * height > kMostPicturePixels);
    if (!tooLarge)
        return true;
    return refuse(reason, "unsupported picture size " + std::to_string(width) + "x" + std::to_string(height) +
                              " (at most " + std::to_string(kLargestPictureSide) + "x" +
                              std::to_string(kLargestPictureSide) + ")");
}

} // namespace korvid
