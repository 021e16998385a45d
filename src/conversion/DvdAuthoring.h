#pragma once
// Authoring the converted clips of a run into a DVD folder with the authoring library
// (dvdauthor.dll): the description is written to the settings folder, handed to the
// library and deleted again. Runs on the run's worker thread after the last clip.

#include "DvdDescription.h"

#include <QString>
#include <QStringList>

namespace conversion {

// AuthorDvd's results; they become the run's result.
enum AuthorDvdResult : int {
    DvdAuthored = 1,              // as a run that reached the end of its list
    DvdLibraryUnavailable = 2,    // the library or one of its two names is missing
    DvdTitleFileMissing = 3,      // a converted file is gone: nothing was authored
    DvdAuthoringFailed = 4,       // no description could be saved, or the library reported a failure
};

struct DvdAuthoringJob {
    QString jobFolder;            // the DVD folder is made in here, ends with "/"
    DvdVideoSettings video;
    QStringList titleFiles;       // the clips' OutputPath, in list order
};

int AuthorDvd(const DvdAuthoringJob &job);

} // namespace conversion
