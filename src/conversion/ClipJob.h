#pragma once
// The per-clip values of a job.

#include "ConvertJob.h"
#include "JobClip.h"
#include "RunInputs.h"

#include <QString>

namespace conversion {

// The length the progress figures follow: end minus start of the selection.
int ShownLengthOf(const JobClip &clip);

// Seconds to convert: the selection, at least the minimum duration when one is set,
// and 0 (to the end) when the selection ends 2 seconds or less before the source does.
int LengthToConvert(const JobClip &clip, int minDurationSeconds);

// The engine's audio track: for Matroska the first ticked audio row (0 when none),
// else the chosen stream when there is a choice, else -1.
QString AudioTrackText(const JobClip &clip);

// The engine's subtitle track: the chosen entry (negative as 0) while the clip has such
// an entry, else -1.
QString SubtitleTrackText(const JobClip &clip);

// The output's title: the source's file name, after the display name and "_" when one
// is given; at most 50 characters.
QString TitleNameText(const QString &sourceFile, const QString &displayName);

// StreamID: 0 for Matroska, else the source's video stream, or -1 when that is 0.
int EngineStreamId(const JobClip &clip);

// Fills the per-clip fields of `job` for `clip` except its output file; enough to
// predict the output's size without touching the disk.
void FillClipJob(ConvertJob &job, int clipIndex, const RunSettings &settings, const JobClip &clip);

// Fills the per-clip fields of `job` for clip `clipIndex`, its output file a new path in
// JobFolder (TargetFile, which the caller stores as the clip's OutputPath), which it
// creates. False when the list has no clip at that index.
bool PrepareClipJob(ConvertJob &job, int clipIndex, const RunSettings &settings, const ClipLookup &clipAt);

} // namespace conversion
