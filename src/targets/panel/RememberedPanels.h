#pragma once
// What the parameter panel remembers of each target between target switches (targets
// 0..38, for the life of the process), and the order in which it is put back.

#include "TargetCatalogue.h"

#include <QVector>

#include <array>

namespace targets {

// One target's panel as the user left it: selected indexes of the lists, the values of
// the spin fields and the volume position.
struct RememberedPanel {
    bool filled = false;
    int audioCodecIndex = -1;
    int audioSampleRateIndex = -1;
    int audioChannelIndex = -1;
    int audioBitrateIndex = -1;
    int volumePosition = 0;
    int videoCodecIndex = -1;
    int frameRateIndex = -1;
    int videoBitRate = 0;
    int aspectIndex = -1;
    int videoWidth = 0;
    int videoHeight = 0;
    int outputFormatIndex = -1;

    bool operator==(const RememberedPanel &) const = default;
};

// The steps of putting a remembered panel back. The output format goes before the codec
// indexes (its change refills both codec lists) and the aspect before the spin values
// (its handling resets the width and height).
enum class RestoreStep {
    AudioSampleRate, AudioChannel, AudioBitrate,
    OutputFormat,      // then the output-format change handling
    VideoCodec, AudioCodec, FrameRate,
    Aspect,            // then the aspect handling
    VideoBitRate, VideoWidth, VideoHeight, VolumePosition,
};

struct RestoreValue {
    RestoreStep step;
    int value;

    bool operator==(const RestoreValue &) const = default;
};

QVector<RestoreValue> RestoreOrder(const RememberedPanel &panel);

class RememberedPanels {
public:
    // Marks the slot filled; targets without a remembered panel are ignored.
    void Store(int target, RememberedPanel panel);
    // The target's filled slot, or nullptr.
    const RememberedPanel *FilledSlot(int target) const;

    bool operator==(const RememberedPanels &) const = default;

private:
    std::array<RememberedPanel, RememberedPanelCount> slots_{};
};

} // namespace targets
