#pragma once
// Files into clip records for the command line: the window's adding pass without
// rows, with a frame-rate answer given in advance, then the trim range and the audio
// stream asked for. Scratch files of the probe go to a folder of its own, never to
// the settings folder.

#include "FrameRateChoice.h"
#include "VideoInfo.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
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
    using Taken = std::variant<std::unique_ptr<TVideoInfo>, QString>;   // the clip, or why it cannot be converted

    explicit ClipSource(ClipChoices choices);

    // Probes the files in one pass and hands each one's clip record over in file order.
    void Take(const QStringList &files, const std::function<void(const QString &file, Taken taken)> &each);

private:
    Taken Chosen(std::unique_ptr<TVideoInfo> clip) const;

    ClipChoices choices_;
    QTemporaryDir scratch_;
};

} // namespace cli
