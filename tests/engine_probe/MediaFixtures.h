#pragma once
// Small media files made by the ffmpeg program on first use, kept in one
// temporary folder for the whole test run.

#include <string>

namespace enginetest {

// The path of the named fixture (see MediaFixtures.cpp for the list), made on
// first request; "" when ffmpeg could not make it.
std::string Fixture(const std::string &name);

// A path in the fixtures' folder for files that tests write.
std::string ScratchPath(const std::string &name);

} // namespace enginetest
