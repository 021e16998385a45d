#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// Per-user single-copy guard keyed by a name. The first holder keeps it for its lifetime.
class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString &key);
    ~SingleInstanceGuard();
    bool IsFirst() const { return first_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};

// A file name of this user's own for `key`, in the runtime folder when there is one.
QString PerUserRuntimePath(const QString &key, const QString &suffix);

// Exit status of a refused second copy (the platform's -1).
constexpr int kSecondCopyExitStatus = 255;

} // namespace platform
