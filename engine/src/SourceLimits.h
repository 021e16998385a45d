#pragma once
// What the engine agrees to read: regular files only (a pipe, socket, device or
// folder may block for ever or never end), pictures a desktop converter can hold,
// and how long opening, probing and one seek may take.

#include <string>

namespace korvid {

constexpr int kLargestPictureSide = 8192;
constexpr long long kMostPicturePixels = 1LL << 26;
constexpr double kOpenSeconds = 10.0;     // opening and reading the streams' facts
constexpr double kProbeSeconds = 10.0;    // the whole probe, its first picture included
constexpr double kSeekSeconds = 10.0;     // one seek of the frame service

// True when `path` names a regular file (links followed); else says why.
bool IsReadableSourceFile(const std::string &path, std::string *reason);

// True when a picture of width x height is within the limits; else says why.
// Unknown sizes (below 1) pass: the decoder's own pixel limit guards them.
bool IsSupportedPictureSize(int width, int height, std::string *reason);

} // namespace korvid
