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

// Clip rows; the name follows the check mark.
inline constexpr Column kName{20, 104};
inline constexpr Column kDuration{126, 50};
inline constexpr Column kFps{178, 54};
inline constexpr Column kSize{234, 118};
inline constexpr Column kStart{354, 52};
inline constexpr Column kEnd{408, 50};
inline constexpr Column kOutput{460, 78};

// Audio rows, after the tree connector and the check mark.
inline constexpr Column kAudioLanguage{38, 86};
inline constexpr Column kAudioFormat{126, 92};
inline constexpr Column kAudioRate{220, 50};
inline constexpr Column kAudioBitrate{272, 96};

} // namespace rowcolumns
