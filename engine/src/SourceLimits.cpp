#include "SourceLimits.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace korvid {
namespace {

bool Refuse(std::string *reason, const std::string &text) {
    if (reason)
        *reason = text;
    return false;
}

const char *KindOfNonFile(mode_t mode) {
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

bool IsReadableSourceFile(const std::string &path, std::string *reason) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0)
        return Refuse(reason, "cannot open the file: " + std::string(std::strerror(errno)));
    if (!S_ISREG(facts.st_mode))
        return Refuse(reason, std::string("unsupported source: it is ") + KindOfNonFile(facts.st_mode) +
                                  ", not a file");
    return true;
}

bool IsSupportedPictureSize(int width, int height, std::string *reason) {
    const bool tooLarge = width > kLargestPictureSide || height > kLargestPictureSide ||
                          (width > 0 && height > 0 && static_cast<long long>(width) * height > kMostPicturePixels);
    if (!tooLarge)
        return true;
    return Refuse(reason, "unsupported picture size " + std::to_string(width) + "x" + std::to_string(height) +
                              " (at most " + std::to_string(kLargestPictureSide) + "x" +
                              std::to_string(kLargestPictureSide) + ")");
}

} // namespace korvid
