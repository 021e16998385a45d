#pragma once
// The dvdauthor description (author.xml) of a DVD folder: one title per converted
// clip in list order, each title jumping on to the next and the last back to the first.

#include "JobPanelValues.h"

#include <QString>
#include <QStringList>

namespace conversion {

inline constexpr int kMaxDvdTitles = 99;

// The DVD settings of the parameter panel. Its NTSC/PAL and 16:9/4:3 check boxes work
// as pairs, so PAL is "not NTSC" and 4:3 is "not 16:9".
struct DvdVideoSettings {
    bool pal = false;
    bool wide = true;

    static DvdVideoSettings Of(const JobPanelValues &panel) { return {!panel.dvdNtsc, panel.dvdWide}; }
};

// jobFolder + "DVD_DISC", or "DVD_DISC_n" with the smallest n from 1 for which nothing
// of that name exists yet. No trailing slash: dvdauthor creates the folder.
QString DvdDestination(const QString &jobFolder);

// Writes the description of the first kMaxDvdTitles titleFiles into xmlPath, authoring into
// the folder `destination`. Returns whether every listed title's file exists; when one
// does not, the description stops there and nothing is saved, so there is nothing to author.
bool WriteAuthorXml(const QString &xmlPath, const QString &destination, const DvdVideoSettings &video,
                    const QStringList &titleFiles);

} // namespace conversion
