#include "OutputPlace.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvid {
namespace {

constexpr const char *kTemporaryMark = ".part-";
constexpr size_t kRandomLetters = 6;
constexpr size_t kLongestNameStemBytes = 200;   // keeps ".stem.part-XXXXXX" within a file name's 255 bytes
constexpr int kNameAttempts = 100;
// A temporary file unwritten for this long and unlocked has lost its writer.
constexpr std::chrono::minutes kAbandonedAfter{10};

bool FailWith(std::string *error, const std::string &text) {
    if (error)
        *error = text;
    return false;
}

std::string SystemReason() {
    return std::strerror(errno);
}

std::string FolderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomLetters() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    std::string letters;
    for (size_t i = 0; i < kRandomLetters; ++i)
        letters += kLetters[pick(generator)];
    return letters;
}

// ".<name>.part-XXXXXX": hidden, and recognisable by its ending.
bool IsOurTemporaryName(const std::string &name) {
    const size_t markLength = std::strlen(kTemporaryMark);
    if (name.size() < 2 + markLength + kRandomLetters || name[0] != '.')
        return false;
    const size_t mark = name.size() - kRandomLetters - markLength;
    if (name.compare(mark, markLength, kTemporaryMark) != 0)
        return false;
    for (size_t i = name.size() - kRandomLetters; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

bool IsAbandoned(int folder, const std::string &name) {
    struct stat facts {};
    if (fstatat(folder, name.c_str(), &facts, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(facts.st_mode) ||
        facts.st_uid != geteuid())
        return false;
    const auto written = std::chrono::system_clock::from_time_t(facts.st_mtim.tv_sec);
    if (std::chrono::system_clock::now() - written < kAbandonedAfter)
        return false;
    const int descriptor = openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool unlocked = flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    close(descriptor);
    return unlocked;
}

// The place's own name-reserving rename: no existing file is ever replaced.
int RenameWithoutReplacing(const char *from, const char *to) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
    // File systems without that rename: a hard link fails on an existing name too.
    if (link(from, to) == 0)
        return unlink(from) == 0 || errno == ENOENT ? 0 : -1;
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return -1;
    // Nor links (FAT): claim the name exclusively, then move over our own claim.
    const int claim = open(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (claim < 0)
        return -1;
    close(claim);
    if (std::rename(from, to) == 0)
        return 0;
    const int reason = errno;
    unlink(to);
    errno = reason;
    return -1;
}

} // namespace

void RemoveAbandonedTemporaryFiles(const std::string &folder) {
    DIR *listing = opendir(folder.c_str());
    if (!listing)
        return;
    const int descriptor = dirfd(listing);
    while (const dirent *entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (IsOurTemporaryName(name) && IsAbandoned(descriptor, name))
            unlinkat(descriptor, name.c_str(), 0);
    }
    closedir(listing);
}

std::unique_ptr<OutputPlace> OutputPlace::Reserve(const std::string &targetPath, std::string *error) {
    const std::string folder = FolderOf(targetPath);
    const std::string name = NameOf(targetPath);
    if (name.empty() || name == "." || name == "..") {
        FailWith(error, "the target \"" + targetPath + "\" names no file");
        return nullptr;
    }
    RemoveAbandonedTemporaryFiles(folder);
    struct stat facts {};
    if (lstat(targetPath.c_str(), &facts) == 0) {
        FailWith(error, "the target \"" + targetPath + "\" exists already");
        return nullptr;
    }
    const std::string stem = "." + name.substr(0, kLongestNameStemBytes) + kTemporaryMark;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string temporary = (folder == "/" ? "" : folder) + "/" + stem + RandomLetters();
        const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            flock(descriptor, LOCK_EX | LOCK_NB);   // where locks are unsupported, age alone protects it
            return std::unique_ptr<OutputPlace>(new OutputPlace(targetPath, std::move(temporary), descriptor));
        }
        if (errno != EEXIST)
            break;
    }
    FailWith(error, "cannot write in \"" + folder + "\": " + SystemReason());
    return nullptr;
}

OutputPlace::OutputPlace(std::string targetPath, std::string temporaryPath, int lockDescriptor)
    : targetPath_(std::move(targetPath)), temporaryPath_(std::move(temporaryPath)), lockDescriptor_(lockDescriptor) {}

OutputPlace::~OutputPlace() {
    if (!published_)
        unlink(temporaryPath_.c_str());
    close(lockDescriptor_);
}

bool OutputPlace::Publish(std::string *error) {
    if (fsync(lockDescriptor_) != 0 && errno != EINVAL)
        return FailWith(error, "cannot save \"" + targetPath_ + "\": " + SystemReason());
    if (RenameWithoutReplacing(temporaryPath_.c_str(), targetPath_.c_str()) != 0)
        return FailWith(error, errno == EEXIST ? "the target \"" + targetPath_ + "\" was created meanwhile"
                                               : "cannot name \"" + targetPath_ + "\": " + SystemReason());
    published_ = true;
    // The new name itself reaches the disk with its folder.
    const int folder = open(FolderOf(targetPath_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

} // namespace korvid
