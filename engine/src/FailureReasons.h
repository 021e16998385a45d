#pragma once
// Why a conversion failed, in the words the engine reports.

namespace korvid {

inline constexpr const char *kSubtitleStreamUnreadable = "the chosen subtitle stream cannot be read";
inline constexpr const char *kSubtitlePictureUnusable = "the subtitles cannot be drawn into the source's pictures";

} // namespace korvid
