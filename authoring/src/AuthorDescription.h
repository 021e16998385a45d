#pragma once
// What the authoring library reads from a dvdauthor description itself.

#include <string>

namespace dvdauthoring {

// The TV system of the description's <video format="..."> as dvdauthor's
// VIDEO_FORMAT expects it ("NTSC" or "PAL"); empty when it names none.
std::string VideoFormatOf(const std::string &descriptionText);

// The whole file, or empty when it cannot be read.
std::string ReadTextFile(const std::string &path);

} // namespace dvdauthoring
