#pragma once
// Where a conversion writes: a hidden temporary file beside the target
// (".name.part-XXXXXX"), renamed to the target's name only once the file is
// complete, and never over a file that exists. A place that is not published
// removes its temporary file, so a failed or empty conversion leaves nothing.
//
// While the place is held its temporary file is locked; temporary files of ours
// that nobody locks and nobody wrote to for a while are left by a killed process,
// and reserving a place cleans them out of its folder.

#include <memory>
#include <string>

namespace korvid {

class OutputPlace {
public:
    // Null with a reason when the target exists or no temporary file can be made.
    static std::unique_ptr<OutputPlace> Reserve(const std::string &targetPath, std::string *error);
    ~OutputPlace();   // removes the temporary file unless published
    OutputPlace(const OutputPlace &) = delete;
    OutputPlace &operator=(const OutputPlace &) = delete;

    const std::string &TemporaryPath() const { return temporaryPath_; }

    // Flushes the temporary file to disk and gives it the target's name, unless
    // something took that name meanwhile (then false with a reason).
    bool Publish(std::string *error);

private:
    OutputPlace(std::string targetPath, std::string temporaryPath, int lockDescriptor);

    std::string targetPath_;
    std::string temporaryPath_;
    int lockDescriptor_;
    bool published_ = false;
};

// Temporary files in `folder` that a process left behind when it was killed.
// Exposed for the tests; reserve() calls it.
void RemoveAbandonedTemporaryFiles(const std::string &folder);

} // namespace korvid
