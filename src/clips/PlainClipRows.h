#pragma once
// Rows without widgets, for clip records made outside the clip list (the command-line
// converter): they keep what job assembly reads back from a clip's rows, its audio
// streams' numbers and languages and which one is ticked, and drop the display texts.

#include "ClipRow.h"

class PlainClipRows : public ClipRowFactory {
public:
    std::unique_ptr<ClipRow> MakeClipRow(TVideoInfo &owner) override;
    std::unique_ptr<ClipRow> MakeAudioRow(TVideoInfo &owner) override;
};
