#pragma once
// Where the texts of a clip-list row stand, in pixels of the 540-pixel row, sized
// for the row font (DejaVu Sans Condensed, 11 pixels). A text wider than its
// column is cut with "…" and shown whole in a tool tip. The list's column
// headers stand over the same columns.

namespace rowcolumns {

struct Column {
    int left;
    int width;
};

// Clip rows; the name follows the check mark. A long name is cut and shown whole in
// its tool tip, so it gives way to the output file's predicted size ("≈999 MB").
inline constexpr Column kName{20, 62};
inline constexpr Column kDuration{84, 50};
inline constexpr Column kFps{136, 54};
inline constexpr Column kSize{192, 118};
inline constexpr Column kStart{312, 52};
inline constexpr Column kEnd{366, 46};
inline constexpr Column kOutput{414, 78};
inline constexpr Column kPredictedSize{494, 46};

// Audio rows, after the tree connector and the check mark.
inline constexpr Column kAudioLanguage{38, 86};
inline constexpr Column kAudioFormat{126, 92};
inline constexpr Column kAudioRate{220, 50};
inline constexpr Column kAudioBitrate{272, 96};

} // namespace rowcolumns
