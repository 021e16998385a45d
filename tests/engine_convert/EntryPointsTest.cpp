// Every target entry point, called once through its own argument list, writes
// the container and codecs its job asks for.

#include "ConvertTestBase.h"
#include "OutputFacts.h"

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
Call Bound(Entry ConvertLibrary::*entry, Caller caller)
{
    return [entry, caller](ConvertLibrary &library, const JobValues &job) {
        return caller(library.*entry, nullptr, job);
    };
}

const EntryCase kCases[] = {
    {"D2IPOD_VIDEO", Bound(&ConvertLibrary::X_SetPar_D2IPOD_VIDEO, CallCommon), "mp4", "h264", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2IPHONE_VIDEO", Bound(&ConvertLibrary::X_SetPar_D2IPHONE_VIDEO, CallCommon), "nodef", "nodef", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2APPLETV_VIDEO", Bound(&ConvertLibrary::X_SetPar_D2APPLETV_VIDEO, CallCommon), "m4v", "h264", "", "m4v", "mov,mp4", "h264", "aac"},
    {"D2ZUNE_VIDEO", Bound(&ConvertLibrary::X_SetPar_D2ZUNE_VIDEO, CallCommon), "mp4", "mpeg4", "", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"D2PDA_VIDEO", Bound(&ConvertLibrary::X_SetPar_D2PDA_VIDEO, CallCommon), "avi", "xvid", "", "avi", "avi", "mpeg4", "mp3"},
    {"D23GP", Bound(&ConvertLibrary::X_SetPar_D23GP, CallCommon), "3gp", "h263", "", "3gp", "mov,mp4", "h263", "aac", 176, 144},
    {"D2IMP4", Bound(&ConvertLibrary::X_SetPar_D2IMP4, CallQuality), "mp4", "mpeg4", "", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"D2QTMOV", Bound(&ConvertLibrary::X_SetPar_D2QTMOV, CallQuality), "mov", "h264", "", "mov", "mov,mp4", "h264", "aac"},
    {"D2FLV", Bound(&ConvertLibrary::X_SetPar_D2FLV, CallQuality), "flv", "flv", "", "flv", "flv", "flv1", "mp3"},
    {"HD_APPLETV", Bound(&ConvertLibrary::X_TO_HD_APPLETV, CallAudioCodec), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"D2WMV", Bound(&ConvertLibrary::X_SetPar_D2WMV, CallQualityAudio), "wmv", "wmv2", "wmav2", "wmv", "asf", "wmv2", "wmav2"},
    {"HD_AVC", Bound(&ConvertLibrary::X_TO_HD_AVC, CallQualityAudio), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"HD_MP4", Bound(&ConvertLibrary::X_TO_HD_MP4, CallQualityAudio), "mp4", "mpeg4", "aac", "mp4", "mov,mp4", "mpeg4", "aac"},
    {"HD_H264", Bound(&ConvertLibrary::X_TO_HD_H264, CallQualityAudio), "mkv", "h264", "vorbis", "mkv", "matroska", "h264", "vorbis"},
    {"HD_WMV", Bound(&ConvertLibrary::X_TO_HD_WMV, CallQualityAudio), "asf", "wmv2", "wmav2", "asf", "asf", "wmv2", "wmav2"},
    {"HD_MOV", Bound(&ConvertLibrary::X_TO_HD_MOV, CallQualityAudio), "mov", "h264", "aac", "mov", "mov,mp4", "h264", "aac"},
    {"HD_PS3", Bound(&ConvertLibrary::X_TO_HD_PS3, CallQualityAudio), "mp4", "h264", "ac3", "mp4", "mov,mp4", "h264", "ac3"},
    {"HD_XBOX", Bound(&ConvertLibrary::X_TO_HD_XBOX, CallQualityAudio), "mp4", "h264", "aac", "mp4", "mov,mp4", "h264", "aac"},
    {"HD_ZUNE", Bound(&ConvertLibrary::X_TO_HD_ZUNE, CallQualityAudio), "wmv", "wmv2", "wmav2", "wmv", "asf", "wmv2", "wmav2"},
    {"HD_Mobile", Bound(&ConvertLibrary::X_TO_HD_Mobile, CallQualityAudio), "3gp", "h264", "aac", "3gp", "mov,mp4", "h264", "aac"},
    {"D2MPEG", Bound(&ConvertLibrary::X_SetPar_D2MPEG, CallMpeg), "mpg", "mpeg1", "mp2", "mpg", "mpeg", "mpeg1video", "mp2"},
    {"HD_MPEG", Bound(&ConvertLibrary::X_TO_HD_MPEG, CallMpeg), "mpeg2", "mpeg2", "mp2", "mpg", "mpeg", "mpeg2video", "mp2"},
    {"HD_MPEG2TS", Bound(&ConvertLibrary::X_TO_HD_MPEG2TS, CallMpeg), "mpeg2ts", "mpeg2ts", "ac3", "ts", "mpegts", "mpeg2video", "ac3"},
    {"D2AVI", Bound(&ConvertLibrary::X_SetPar_D2AVI, CallAvi), "avi", "xvid", "mp3", "avi", "avi", "mpeg4", "mp3"},
    {"HD_AVI", Bound(&ConvertLibrary::X_TO_HD_AVI, CallAvi), "avi", "h264", "ac3", "avi", "avi", "h264", "ac3"},
    {"D2PSP", Bound(&ConvertLibrary::X_SetPar_D2PSP, CallPsp), "", "h264", "", "mp4", "mov,mp4", "h264", "aac"},
    {"D2IPOD_MP3", Bound(&ConvertLibrary::X_SetPar_D2IPOD_MP3, CallAudioOnly), "", "", "mp3", "mp3", "mp3", "", "mp3"},
};

class EntryPointTest : public ConvertTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryPointTest, WritesTheContainerAndCodecsOfItsJob)
{
    const EntryCase &entryCase = GetParam();
    JobValues job = JobFor("h264_aac.mp4", std::string("out.") + entryCase.extension);
    job.outputFormat = entryCase.outputFormat;
    job.engineCodec = entryCase.engineCodec;
    job.audioCodec = entryCase.audioCodec;
    job.length = "1";

    ASSERT_EQ(entryCase.call(Engine(), job), 0);

    const OutputSummary output(job.target);
    EXPECT_EQ(output.Format("format_name").rfind(entryCase.format, 0), 0u) << output.Format("format_name");
    EXPECT_EQ(output.Video("codec_name"), entryCase.videoCodec);
    EXPECT_EQ(output.Audio("codec_name"), entryCase.audioCodecName);
    if (!entryCase.videoCodec.empty()) {
        EXPECT_EQ(output.Number(output.Video("width")), entryCase.width);
        EXPECT_EQ(output.Number(output.Video("height")), entryCase.height);
    }
    EXPECT_NEAR(output.Number(output.Format("duration")), 1.0, 0.15);
    EXPECT_TRUE(DecodesCleanly(job.target));
}

INSTANTIATE_TEST_SUITE_P(AllTargets, EntryPointTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace converttest
