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
    bool isFirst() const { return first_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};

// Exit status of a refused second copy (the platform's -1).
constexpr int kSecondCopyExitStatus = 255;

} // namespace platform
