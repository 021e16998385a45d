#include "MediaFixtures.h"

#include "MediaTools.h"
#include "TurnedPictures.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace enginetest {
namespace {

using Arguments = std::vector<std::string>;

Arguments Picture(const std::string &size, const std::string &rate, int seconds) {
    return {"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=" + rate + ":duration=" + std::to_string(seconds)};
}

Arguments Tone(int frequency, int sampleRate, int seconds) {
    return {"-f", "lavfi", "-i", "sine=frequency=" + std::to_string(frequency) + ":sample_rate=" +
                                     std::to_string(sampleRate) + ":duration=" + std::to_string(seconds)};
}

Arguments Join(std::initializer_list<Arguments> parts) {
    Arguments all;
    for (const Arguments &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Arguments kH264{"-c:v", "libx264", "-preset", "ultrafast", "-g", "25", "-pix_fmt", "yuv420p"};
const Arguments kH264WithBFrames{"-c:v", "libx264", "-preset", "ultrafast", "-bf", "2", "-g", "25", "-pix_fmt", "yuv420p"};
const Arguments kLongGopMpeg2{"-c:v", "mpeg2video", "-g", "60", "-bf", "2", "-q:v", "3"};
const Arguments kTwoTracks{"-map", "0:v", "-map", "1:a", "-map", "2:a", "-metadata:s:a:0", "language=eng",
                           "-metadata:s:a:1", "language=ger"};

// How each fixture is made from lavfi sources.
const std::map<std::string, Arguments> &Recipes() {
    static const std::map<std::string, Arguments> table{
        {"h264_aac.mp4", Join({Picture("320x240", "25", 4), Tone(440, 44100, 4), kH264, {"-c:a", "aac", "-b:a", "96k"}})},
        {"mpeg4_mp3.avi", Join({Picture("352x288", "25", 3), Tone(440, 44100, 3),
                                {"-c:v", "mpeg4", "-b:v", "400k", "-c:a", "libmp3lame", "-b:a", "128k"}})},
        {"mpeg4_bframes.avi", Join({Picture("320x240", "25", 6), {"-c:v", "mpeg4", "-bf", "2", "-g", "50", "-q:v", "3"}})},
        {"flv1_mp3.flv", Join({Picture("320x240", "25", 3), Tone(440, 22050, 3),
                               {"-c:v", "flv", "-c:a", "libmp3lame", "-ar", "22050"}})},
        {"wmv2_wma.wmv", Join({Picture("320x240", "25", 3), Tone(440, 44100, 3), {"-c:v", "wmv2", "-c:a", "wmav2"}})},
        {"two_audio.mkv", Join({Picture("640x360", "30000/1001", 3), Tone(440, 48000, 3), Tone(880, 48000, 3), kH264,
                                kTwoTracks, {"-c:a", "aac"}})},
        {"two_audio.mp4", Join({Picture("640x360", "30000/1001", 3), Tone(440, 48000, 3), Tone(880, 48000, 3), kH264,
                                kTwoTracks, {"-c:a", "aac"}})},
        {"pids.ts", Join({Picture("640x480", "25", 4), Tone(440, 48000, 4), Tone(880, 48000, 4),
                          {"-map", "0:v", "-map", "1:a", "-map", "2:a", "-c:v", "mpeg2video", "-b:v", "2M", "-c:a",
                           "mp2", "-streamid", "0:0x120", "-streamid", "1:0x130", "-streamid", "2:0x131"}})},
        {"mixed_audio.mpg", Join({Picture("352x288", "25", 2), Tone(440, 48000, 2), Tone(880, 48000, 2),
                                  {"-map", "0:v", "-map", "1:a", "-map", "2:a", "-c:v", "mpeg2video", "-c:a:0", "mp2",
                                   "-c:a:1", "ac3", "-f", "vob"}})},
        {"ac3.mpg", Join({Picture("720x576", "25", 4), Tone(440, 48000, 4), {"-target", "pal-dvd", "-aspect", "4:3"}})},
        {"anamorphic.mkv", Join({Picture("720x576", "25", 2), Tone(440, 48000, 2), kH264, {"-aspect", "16:9", "-c:a", "aac"}})},
        {"portrait.mp4", Join({Picture("360x640", "30", 2), kH264})},
        {"audio_only.mp3", Join({Tone(440, 48000, 3), {"-c:a", "libmp3lame", "-b:a", "128k"}})},
        // An album picture is a video stream to the demuxer, but no picture of the sound.
        {"cover_art.mp3", Join({Tone(440, 44100, 3), Picture("160x120", "1", 1),
                                {"-map", "0:a", "-map", "1:v", "-c:a", "libmp3lame", "-b:a", "128k", "-c:v", "mjpeg",
                                 "-frames:v", "1", "-disposition:v", "attached_pic", "-id3v2_version", "3"}})},
        {"offset.ts", Join({Picture("320x240", "25", 4), Tone(440, 48000, 4), kH264,
                            {"-c:a", "aac", "-output_ts_offset", "10"}})},
        // MPEG-2 whose second 1 lies inside the first group of pictures, in streams without an index.
        {"long_gop_mpeg2.ts", Join({Picture("320x240", "25", 3), kLongGopMpeg2, {"-f", "mpegts"}})},
        {"long_gop_mpeg2.vob", Join({Picture("320x240", "25", 3), kLongGopMpeg2, {"-f", "vob"}})},
        // A white square in the top left corner, a grey one in the top right, on black.
        {"marked.mp4", Join({{"-f", "lavfi", "-i",
                              "color=black:size=320x180:rate=25:duration=2,"
                              "drawbox=x=0:y=0:w=64:h=64:color=white:t=fill,"
                              "drawbox=x=256:y=0:w=64:h=64:color=gray:t=fill"},
                             kH264})},
        {"long_gop.mp4", Join({Picture("640x360", "25", 12), {"-c:v", "libx264", "-preset", "ultrafast", "-g", "250",
                                                              "-bf", "3", "-pix_fmt", "yuv420p"}})},
        // MP4 edit lists: MP3 audio with its encoder's delay edited out, a video track that starts late.
        {"mp3_audio.mp4", Join({Picture("320x240", "25", 3), Tone(440, 44100, 3), kH264WithBFrames,
                                {"-c:a", "libmp3lame"}})},
        {"late_video.mp4", Join({{"-itsoffset", "0.7"}, Picture("320x240", "25", 3), Tone(440, 44100, 3),
                                 {"-map", "0:v", "-map", "1:a"}, kH264WithBFrames, {"-c:a", "aac"}})},
        {"fragmented.mp4", Join({Picture("320x240", "25", 3), kH264WithBFrames,
                                 {"-movflags", "frag_keyframe+empty_moov"}})},
    };
    return table;
}

std::string FixtureFolder() {
    static TempFolder folder;
    return folder.Path();
}

// A DVD program stream with a picture subtitle from 0.5 to 2 seconds after the
// video starts: a white bar at 200,400 to 520,480 of the 720x576 picture, over
// dark grey, with the ffmpeg program's default (unmarked) palette.
bool MakeDvdSubtitles(const std::string &path) {
    const std::string plain = ScratchPath("dvd_plain.vob");
    const std::string bar = ScratchPath("dvd_bar.png");
    const std::string description = ScratchPath("dvd_subtitles.xml");
    const std::string xml = "<subpictures><stream><spu start=\"00:00:00.50\" end=\"00:00:02.00\" image=\"" + bar +
                            "\" transparent=\"000000\" force=\"yes\"/></stream></subpictures>\n";
    WriteFile(description, std::vector<uint8_t>(xml.begin(), xml.end()));
    return MakeMedia({"-f", "lavfi", "-i", "color=0x202020:size=720x576:rate=25:duration=3", "-c:v", "mpeg2video",
                      "-f", "vob"},
                     plain) &&
           MakeMedia({"-f", "lavfi", "-i", "color=black:size=720x576,drawbox=x=200:y=400:w=320:h=80:color=white:t=fill",
                      "-frames:v", "1", "-pix_fmt", "rgb24"},
                     bar) &&
           FilterThroughProgram({"spumux", description}, plain, path);
}

// A copy of a Matroska file whose first codec name `from` is replaced by `to`, of the same length.
bool RenameCodec(const std::string &source, const std::string &from, const std::string &to, const std::string &path) {
    std::vector<uint8_t> bytes = ReadFile(source);
    auto found = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    if (found == bytes.end() || from.size() != to.size())
        return false;
    std::copy(to.begin(), to.end(), found);
    WriteFile(path, bytes);
    return true;
}

// Fixtures made from other fixtures or written directly.
bool MakeDerived(const std::string &name, const std::string &path) {
    if (name == "truncated.mp4" || name == "truncated.ts") {
        std::vector<uint8_t> whole = ReadFile(Fixture(name == "truncated.mp4" ? "h264_aac.mp4" : "pids.ts"));
        whole.resize(whole.size() / 2);
        WriteFile(path, whole);
        return !whole.empty();
    }
    if (name == "cut_start.mp4")   // cut inside a group of pictures: the edit list hides its first frames
        return MakeMedia({"-ss", "1.3", "-i", Fixture("long_gop.mp4"), "-c", "copy"}, path);
    if (name == "long_gop.ts")   // H.264 with 10-second groups of pictures, without an index
        return MakeMedia({"-i", Fixture("long_gop.mp4"), "-c", "copy", "-f", "mpegts"}, path);
    if (name.rfind("turned_", 0) == 0)   // "turned_" + a turn's name + ".mp4"
        return WriteTurnedCopy(Fixture("marked.mp4"), name.substr(7, name.size() - 7 - 4), path);
    if (name == "dvd_subtitles.vob")
        return MakeDvdSubtitles(path);
    if (name == "dvd_subtitles.mkv")
        return MakeMedia({"-fflags", "+genpts", "-i", Fixture("dvd_subtitles.vob"), "-map", "0", "-c", "copy"}, path);
    if (name == "dvd_subtitles_10bit.mkv")   // pictures the subtitles cannot be drawn into as they are
        return MakeMedia({"-f", "lavfi", "-i", "color=0x202020:size=720x576:rate=25:duration=3", "-fflags", "+genpts",
                          "-i", Fixture("dvd_subtitles.vob"), "-map", "0:v", "-map", "1:s", "-c:v", "libx264",
                          "-preset", "ultrafast", "-pix_fmt", "yuv420p10le", "-c:s", "copy"},
                         path);
    if (name == "unknown_subtitles.mkv")   // a subtitle stream no decoder knows
        return RenameCodec(Fixture("text_subtitles.mkv"), "S_TEXT/UTF8", "S_TEXT/UTF0", path);
    if (name == "text_subtitles.mkv") {
        std::string subtitles = ScratchPath("text_subtitles.srt");
        std::string text = "1\n00:00:00,500 --> 00:00:02,000\nHello\n";
        WriteFile(subtitles, std::vector<uint8_t>(text.begin(), text.end()));
        return MakeMedia({"-f", "lavfi", "-i", "color=black:size=320x240:rate=25:duration=2", "-i", subtitles, "-c:v",
                          "libx264", "-preset", "ultrafast", "-c:s", "srt"},
                         path);
    }
    if (name == "garbage.mp4") {
        std::vector<uint8_t> bytes(64 * 1024);
        uint32_t state = 12345;
        for (uint8_t &byte : bytes)
            byte = static_cast<uint8_t>((state = state * 1103515245u + 12345u) >> 24);
        WriteFile(path, bytes);
        return true;
    }
    if (name == "empty.avi") {
        WriteFile(path, {});
        return true;
    }
    if (name == "subtitles_only.mkv") {
        std::string subtitles = ScratchPath("subtitles.srt");
        std::string text = "1\n00:00:00,000 --> 00:00:01,000\nHello\n";
        WriteFile(subtitles, std::vector<uint8_t>(text.begin(), text.end()));
        return MakeMedia({"-i", subtitles}, path);
    }
    return false;
}

} // namespace

std::string ScratchPath(const std::string &name) {
    return FixtureFolder() + "/" + name;
}

std::string Fixture(const std::string &name) {
    static std::recursive_mutex mutex;
    static std::map<std::string, std::string> made;
    std::lock_guard lock(mutex);
    if (auto found = made.find(name); found != made.end())
        return found->second;
    std::string path = ScratchPath(name);
    auto recipe = Recipes().find(name);
    bool ok = recipe != Recipes().end() ? MakeMedia(recipe->second, path) : MakeDerived(name, path);
    return made[name] = ok ? path : std::string();
}

} // namespace enginetest
