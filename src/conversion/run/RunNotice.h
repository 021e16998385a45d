#pragma once
// What the desktop notification says when a run ends.

#include <QString>

namespace conversion {

struct RunNotice {
    QString summary;   // "3 files converted to iPod", "1 of 3 failed", ...
    QString body;
};

// `clipCount` clips were in the run, `failedCount` of them gave -1; `result` as
// the progress window's end (1 finished, 0 stopped, others failed). A finished run
// names the output folder.
RunNotice NoticeOfRun(int result, const QString &targetName, int clipCount, int failedCount,
                      const QString &outputFolder);

} // namespace conversion
