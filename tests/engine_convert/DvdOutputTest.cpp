// DVD outputs: MPEG-2 program streams at DVD sizes and rates with AC-3 48 kHz,
// which the dvdauthor program accepts.

#include "ConvertTestBase.h"
#include "MediaTools.h"
#include "OutputFacts.h"

#include <cstdlib>
#include <filesystem>

namespace converttest {
namespace {

class DvdOutputTest : public ConvertTest {
protected:
    static JobValues DvdJob(const std::string &source, int32_t tvSystem)
    {
        JobValues job = JobFor(source, "dvd.vob");
        job.outputFormat = job.engineCodec = "dvd";
        job.audioCodec = "ac3";
        job.sampleRate = "48000";
        job.audioBitrate = "192";
        job.videoBitRate = "5000";
        job.frameSize = tvSystem == 1 ? "720:480" : "720:576";
        job.frameRate = tvSystem == 1 ? "30000/1001" : "25";
        job.displayAspect = "16:9";
        job.volume = "2";
        job.tvSystem = tvSystem;
        job.length = "2";
        return job;
    }
};

TEST_F(DvdOutputTest, PalAndNtscOutputsAreDvdCompliantAndAuthorable)
{
    struct Case {
        const char *source;
        int32_t tvSystem;
        const char *height;
        const char *rate;
        const char *videoFormat;
    };
    for (const Case &dvd : {Case{"ac3.mpg", 2, "576", "25/1", "PAL"}, Case{"h264_aac.mp4", 1, "480", "30000/1001", "NTSC"}}) {
        const JobValues job = DvdJob(dvd.source, dvd.tvSystem);
        ASSERT_EQ(CallMpeg(Engine().X_SetPar_D2MPEG, nullptr, job), 0);
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Video("codec_name"), "mpeg2video");
        EXPECT_EQ(output.Video("width"), "720");
        EXPECT_EQ(output.Video("height"), dvd.height);
        EXPECT_EQ(output.Video("r_frame_rate"), dvd.rate);
        EXPECT_EQ(output.Video("display_aspect_ratio"), "16:9");
        EXPECT_EQ(output.Audio("codec_name"), "ac3");
        EXPECT_EQ(output.Audio("sample_rate"), "48000");

        const std::string folder = job.target + "_DVD";
        setenv("VIDEO_FORMAT", dvd.videoFormat, 1);
        EXPECT_TRUE(enginetest::RunProgram({"dvdauthor", "-o", folder, "-t", job.target}));
        EXPECT_TRUE(enginetest::RunProgram({"dvdauthor", "-o", folder, "-T"}));
        EXPECT_TRUE(std::filesystem::exists(folder + "/VIDEO_TS/VTS_01_1.VOB"));
    }
}

} // namespace
} // namespace converttest
