#pragma once
// Files into clip records for the command line: the clip list's probe with rows that
// need no window, a frame-rate answer given in advance, then the trim range and the
// audio stream asked for. Scratch files of the probe go to a folder of its own, never
// to the settings folder.

#include "FrameRateChoice.h"
#include "PlainClipRows.h"
#include "VideoInfo.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <variant>

namespace cli {

struct ClipChoices {
    std::optional<int> startSeconds;
    std::optional<int> endSeconds;   // beyond the clip's length: to its end
    std::optional<int> audioTrack;   // counted from 1
    FrameRateAnswer frameRate{true, false};
    QString audioLanguage;           // the saved default audio language
};

class ClipSource {
public:
    explicit ClipSource(ClipChoices choices);

    // The clip record of `file`, or why it cannot be converted.
    std::variant<std::unique_ptr<TVideoInfo>, QString> Take(const QString &file);

private:
    ClipChoices choices_;
    PlainClipRows rows_;
    QTemporaryDir scratch_;
};

} // namespace cli
