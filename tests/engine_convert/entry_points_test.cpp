// Every target entry point, called once through its own argument list, writes
// the container and codecs its job asks for.

#include "convert_test_base.h"
#include "output_facts.h"

#include <functional>

namespace converttest {
namespace {

using Call = std::function<int32_t(ConvertLibrary &, const JobValues &)>;

struct EntryCase {
    const char *name;
    Call call;
    std::string outputFormat;
    std::string engineCodec;
    std::string audioCodec;
    std::string extension;
    // Expected: ffprobe format name, video codec ("" = no video), audio codec, frame size.
    std::string format;
    std::string videoCodec;
    std::string audioCodecName;
    int width = 160;
    int height = 120;
};

// Binds an entry point member to the caller of its argument-list shape.
template <typename Entry, typename Caller>
Call bound(Entry ConvertLibrary::*entry, Caller caller)
{
    return [entry, caller](ConvertLibrary &library, const JobValues &job) {
        return caller(library.*entry, nullptr, job);
    };
}

const EntryCase kCases[] = {
    {"D2IPOD_VIDEO", bound(&ConvertLibrary::X_SetPar_D2IPOD_VIDEO, callCommon), "mp4", "h264", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2IPHONE_VIDEO", bound(&ConvertLibrary::X_SetPar_D2IPHONE_VIDEO, callCommon), "nodef", "nodef", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2APPLETV_VIDEO", bound(&ConvertLibrary::X_SetPar_D2APPLETV_VIDEO, callCommon), "m4v", "h264", "", "m4v", "mov,mp4", "h264", "aac"},
    {"D2ZUNE_VIDEO", bound(&ConvertLibrary::X_SetPar_D2ZUNE_VIDEO, callCommon), "mp4", "mpeg4", "", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"D2PDA_VIDEO", bound(&ConvertLibrary::X_SetPar_D2PDA_VIDEO, callCommon), "avi", "xvid", "", "avi", "avi", "mpeg4", "mp3"},
    {"D23GP", bound(&ConvertLibrary::X_SetPar_D23GP, callCommon), "3gp", "h263", "", "3gp", "mov,mp4", "h263", "aac", 176, 144},
    {"D2IMP4", bound(&ConvertLibrary::X_SetPar_D2IMP4, callQuality), "mp4", "mpeg4", "", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"D2QTMOV", bound(&ConvertLibrary::X_SetPar_D2QTMOV, callQuality), "mov", "h264", "", "mov", "mov,mp4", "h264", "aac"},
    {"D2FLV", bound(&ConvertLibrary::X_SetPar_D2FLV, callQuality), "flv", "flv", "", "flv", "flv", "flv1", "mp3"},
    {"HD_APPLETV", bound(&ConvertLibrary::X_TO_HD_APPLETV, callAudioCodec), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"D2WMV", bound(&ConvertLibrary::X_SetPar_D2WMV, callQualityAudio), "wmv", "wmv2", "wmav2", "wmv", "asf", "wmv2", "wmav2"},
    {"HD_AVC", bound(&ConvertLibrary::X_TO_HD_AVC, callQualityAudio), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"HD_MP4", bound(&ConvertLibrary::X_TO_HD_MP4, callQualityAudio), "mp4", "mpeg4", "aac", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"HD_H264", bound(&ConvertLibrary::X_TO_HD_H264, callQualityAudio), "mkv", "h264", "vorbis", "mkv", "matroska", "h264", "vorbis"},
    {"HD_WMV", bound(&ConvertLibrary::X_TO_HD_WMV, callQualityAudio), "asf", "wmv2", "wmav2", "asf", "asf", "wmv2", "wmav2"},
    {"HD_MOV", bound(&ConvertLibrary::X_TO_HD_MOV, callQualityAudio), "mov", "h264", "aac", "mov", "mov,mp4", "h264", "aac"},
    {"HD_PS3", bound(&ConvertLibrary::X_TO_HD_PS3, callQualityAudio), "mp4", "h264", "ac3", "mp4", "mov,mp4", "h264", "ac3"},
    {"HD_XBOX", bound(&ConvertLibrary::X_TO_HD_XBOX, callQualityAudio), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"HD_ZUNE", bound(&ConvertLibrary::X_TO_HD_ZUNE, callQualityAudio), "wmv", "wmv2", "wmav2", "wmv", "asf", "wmv2", "wmav2"},
    {"HD_Mobile", bound(&ConvertLibrary::X_TO_HD_Mobile, callQualityAudio), "3gp", "h264", "aac", "3gp", "mov,mp4", "h264", "aac"},
    {"D2MPEG", bound(&ConvertLibrary::X_SetPar_D2MPEG, callMpeg), "mpg", "mpeg1", "mp2", "mpg", "mpeg", "mpeg1video", "mp2"},
    {"HD_MPEG", bound(&ConvertLibrary::X_TO_HD_MPEG, callMpeg), "mpeg2", "mpeg2", "mp2", "mpg", "mpeg", "mpeg2video", "mp2"},
    {"HD_MPEG2TS", bound(&ConvertLibrary::X_TO_HD_MPEG2TS, callMpeg), "mpeg2ts", "mpeg2ts", "ac3", "ts", "mpegts", "mpeg2video", "ac3"},
    {"D2AVI", bound(&ConvertLibrary::X_SetPar_D2AVI, callAvi), "avi", "xvid", "mp3", "avi", "avi", "mpeg4", "mp3"},
    {"HD_AVI", bound(&ConvertLibrary::X_TO_HD_AVI, callAvi), "avi", "h264", "ac3", "avi", "avi", "h264", "ac3"},
    {"D2PSP", bound(&ConvertLibrary::X_SetPar_D2PSP, callPsp), "", "h264", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2IPOD_MP3", bound(&ConvertLibrary::X_SetPar_D2IPOD_MP3, callAudioOnly), "", "", "mp3", "mp3", "mp3", "", "mp3"},
};

class EntryPointTest : public ConvertTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryPointTest, WritesTheContainerAndCodecsOfItsJob)
{
    const EntryCase &entryCase = GetParam();
    JobValues job = jobFor("h264_aac.mp4", std::string("out.") + entryCase.extension);
    job.outputFormat = entryCase.outputFormat;
    job.engineCodec = entryCase.engineCodec;
    job.audioCodec = entryCase.audioCodec;
    job.length = "1";

    ASSERT_EQ(entryCase.call(engine(), job), 0);

    const OutputSummary output(job.target);
    EXPECT_EQ(output.format("format_name").rfind(entryCase.format, 0), 0u) << output.format("format_name");
    EXPECT_EQ(output.video("codec_name"), entryCase.videoCodec);
    EXPECT_EQ(output.audio("codec_name"), entryCase.audioCodecName);
    if (!entryCase.videoCodec.empty()) {
        EXPECT_EQ(output.number(output.video("width")), entryCase.width);
        EXPECT_EQ(output.number(output.video("height")), entryCase.height);
    }
    EXPECT_NEAR(output.number(output.format("duration")), 1.0, 0.15);
    EXPECT_TRUE(decodesCleanly(job.target));
}

INSTANTIATE_TEST_SUITE_P(AllTargets, EntryPointTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace converttest
