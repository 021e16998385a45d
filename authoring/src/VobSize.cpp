// getVOBsMB: the size of a built DVD folder's video objects.
#include "dvdauthoring.h"

#include <cctype>
#include <filesystem>
#include <string>

namespace {

bool IsVob(const std::filesystem::path &file) {
    std::string extension = file.extension().string();
    for (char &c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".VOB";
}

} // namespace

extern "C" DVDAUTHORING_API int32_t getVOBsMB(const char *dvdFolder) {
    if (!dvdFolder)
        return -1;
    std::error_code error;
    std::filesystem::directory_iterator files(std::filesystem::path(dvdFolder) / "VIDEO_TS", error);
    if (error)
        return -1;
    uintmax_t bytes = 0;
    bool found = false;
    for (const auto &entry : files) {
        if (!IsVob(entry.path()) || !entry.is_regular_file(error))
            continue;
        bytes += entry.file_size(error);
        found = true;
    }
    return found ? static_cast<int32_t>(bytes / (1024 * 1024)) : -1;
}
