#pragma once
// Authoring the converted clips of a run into a DVD folder with the authoring library
// (dvdauthor.dll): the description is written to the settings folder (or the folder set
// for it), handed to the library and deleted again. The library builds the folder under a
// hidden name beside the final one, which it gets only once it is complete. Runs on the
// run's worker thread after the last clip; the window thread may ask its progress or stop it.

#include "DvdDescription.h"
#include "dvdauthoring.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>

namespace platform {
class Library;
}

namespace conversion {

// DvdAuthoring::Author's results; they become the run's result.
enum AuthorDvdResult : int {
    DvdAuthoringStopped = 0,      // as a run the user stopped
    DvdAuthored = 1,              // as a run that reached the end of its list
    DvdLibraryUnavailable = 2,    // the library or one of its two names is missing
    DvdTitleFileMissing = 3,      // a converted file is gone: nothing was authored
    DvdAuthoringFailed = 4,       // no description could be saved, or the library reported a failure
};

struct DvdAuthoringJob {
    QString jobFolder;            // the DVD folder is made in here, ends with "/"
    DvdVideoSettings video;
    QStringList titleFiles;       // the clips' OutputPath, in list order
    QString descriptionFolder;    // the description is written here while authoring, ends with "/"
};

class DvdAuthoring {
public:
    DvdAuthoring();
    ~DvdAuthoring();

    // Blocks until the folder is built, has failed or was stopped. A failed or stopped
    // authoring leaves no folder behind.
    int Author(const DvdAuthoringJob &job);

    // Any thread: the running authoring's percent (0..99), or nothing when none runs or
    // the library cannot tell.
    std::optional<int> Progress() const;
    // Any thread: ends the running authoring; false when none runs or the library cannot stop it.
    bool Stop();

private:
    int AuthorInto(const QString &destination, const DvdAuthoringJob &job, decltype(&author_main) authorMain);

    mutable std::mutex mutex_;
    std::unique_ptr<platform::Library> library_;   // loaded while Author runs
    decltype(&author_progress) progress_ = nullptr;
    decltype(&author_stop) stop_ = nullptr;
    bool stopped_ = false;
};

} // namespace conversion
