#pragma once
// Shared set-up of the conversion tests: the engine loaded once per process,
// fresh global settings before every test, and job values on a fixture.

#include "ConvertLibrary.h"
#include "MediaFixtures.h"

#include <gtest/gtest.h>

namespace converttest {

class ConvertTest : public ::testing::Test {
protected:
    static ConvertLibrary &Engine();

    void SetUp() override;

    // Job values converting fixture `source` into a new file named `targetName`.
    // Besides the shared fixtures there is "busy.mp4": 640x360 25 fps lightly noisy
    // pictures that use every bit given, with a stereo 440 Hz tone, 3 seconds.
    static JobValues JobFor(const std::string &source, const std::string &targetName);
};

} // namespace converttest
