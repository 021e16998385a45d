#include "Mp4EditLists.h"

#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace korvid {
namespace {

constexpr uint32_t kNormalRate = 0x00010000;   // 1.0 in 16.16 fixed point
constexpr uint32_t kLargestSampleDelta = 0x7fffffff;
constexpr uint64_t kMostSamples = 50'000'000;   // a day of 60 frames a second is 5 million

constexpr uint32_t FourCc(const char (&name)[5]) {
    return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 | uint32_t(uint8_t(name[2])) << 8 |
           uint32_t(uint8_t(name[3]));
}

// The file read through one small window, so that reading the sample tables
// touches no more memory than the window, and skipping a box costs nothing.
// Reading on from the window's end fills a whole window (a table read in
// order); a jump elsewhere (the next box's header) reads one page.
class FileWindow {
public:
    explicit FileWindow(int descriptor) : descriptor_(descriptor), bytes_(kWindowBytes) {}

    // Copies `count` bytes at `offset`; false past the file's end.
    bool Read(uint64_t offset, uint8_t *destination, size_t count) {
        if (offset < start_ || offset + count > start_ + filled_) {
            const bool onward = filled_ > 0 && offset >= start_ && offset <= start_ + filled_;
            const size_t wanted = onward ? kWindowBytes : kJumpBytes;
            ssize_t got = pread(descriptor_, bytes_.data(), wanted, static_cast<off_t>(offset));
            start_ = offset;
            filled_ = got > 0 ? static_cast<size_t>(got) : 0;
            if (count > filled_)
                return false;
        }
        std::memcpy(destination, bytes_.data() + (offset - start_), count);
        return true;
    }

private:
    static constexpr size_t kWindowBytes = 64 * 1024;
    static constexpr size_t kJumpBytes = 4096;
    int descriptor_;
    std::vector<uint8_t> bytes_;
    uint64_t start_ = 0;
    size_t filled_ = 0;
};

// Big-endian reads within a range of the file; a read past the range's end (or
// the file's) fails the reader for good.
class ByteReader {
public:
    ByteReader() = default;
    ByteReader(FileWindow *file, uint64_t start, uint64_t end) : file_(file), at_(start), end_(end) {}

    bool Ok() const { return ok_; }
    uint64_t Left() const { return ok_ ? end_ - at_ : 0; }
    uint64_t UnsignedBytes(int count) {
        uint8_t bytes[8];
        if (!Take(count) || !file_->Read(at_ - count, bytes, count)) {
            ok_ = false;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | bytes[i];
        return value;
    }
    uint32_t U32() { return static_cast<uint32_t>(UnsignedBytes(4)); }
    uint64_t U64() { return UnsignedBytes(8); }
    void Skip(uint64_t count) { Take(count); }
    ByteReader Part(uint64_t count) {
        if (!Take(count))
            return {};
        return ByteReader(file_, at_ - count, at_);
    }

private:
    bool Take(uint64_t count) {
        ok_ = ok_ && count <= end_ - at_;
        if (ok_)
            at_ += count;
        return ok_;
    }
    FileWindow *file_ = nullptr;
    uint64_t at_ = 0;
    uint64_t end_ = 0;
    bool ok_ = true;
};

struct Box {
    uint32_t type = 0;
    ByteReader body;
};

// The next box of a parent's body; false at its end or on a malformed size.
bool NextBox(ByteReader &parent, Box *box) {
    if (parent.Left() < 8)
        return false;
    uint64_t size = parent.U32();
    box->type = parent.U32();
    uint64_t header = 8;
    if (size == 1) {
        size = parent.U64();
        header = 16;
    } else if (size == 0) {
        size = parent.Left() + header;
    }
    if (size < header)
        return false;
    box->body = parent.Part(size - header);
    return parent.Ok();
}

// The first child of the given type, or an empty reader.
ByteReader Child(ByteReader parent, uint32_t type) {
    Box box;
    while (NextBox(parent, &box))
        if (box.type == type)
            return box.body;
    return {};
}

// A full box's version; its flags are skipped.
int FullBoxVersion(ByteReader &body) {
    return static_cast<int>(body.U32() >> 24);
}

struct Edit {
    uint64_t duration = 0;   // movie time scale
    int64_t mediaTime = 0;   // -1: an empty edit
    uint32_t rate = 0;
};

std::vector<Edit> ReadEdits(ByteReader elst, bool *ok) {
    std::vector<Edit> edits;
    const int version = FullBoxVersion(elst);
    const uint32_t count = elst.U32();
    for (uint32_t i = 0; i < count && elst.Ok(); ++i) {
        Edit edit;
        edit.duration = version == 1 ? elst.U64() : elst.U32();
        edit.mediaTime = version == 1 ? static_cast<int64_t>(elst.U64()) : static_cast<int32_t>(elst.U32());
        edit.rate = elst.U32();
        edits.push_back(edit);
    }
    *ok = *ok && elst.Ok();
    return edits;
}

// A run-length table of the sample table (stts, ctts), read a sample at a
// time: (count, value) pairs, so that a long table is never held in memory.
class RunReader {
public:
    RunReader() = default;
    explicit RunReader(ByteReader table) : table_(table) {
        FullBoxVersion(table_);
        runs_ = table_.U32();
        present_ = table_.Ok();
    }
    bool Present() const { return present_; }
    // The rest of the table a run at a time, for a table not read by sample.
    bool NextRun(uint32_t *count, uint32_t *value) {
        if (runs_ == 0)
            return false;
        --runs_;
        *count = table_.U32();
        *value = table_.U32();
        return table_.Ok();
    }
    // The next sample's value; false when the table ended or is damaged.
    bool Next(uint32_t *value) {
        while (left_ == 0) {
            if (runs_ == 0)
                return false;
            --runs_;
            left_ = table_.U32();
            value_ = table_.U32();
            if (!table_.Ok())
                return false;
        }
        --left_;
        *value = value_;
        return true;
    }
    bool Ended() {
        while (left_ == 0 && runs_ > 0 && table_.Ok()) {
            --runs_;
            left_ = table_.U32();
            value_ = table_.U32();
        }
        return left_ == 0 && table_.Ok();
    }

private:
    ByteReader table_;
    uint32_t runs_ = 0;
    uint32_t left_ = 0;
    uint32_t value_ = 0;
    bool present_ = false;
};

// The sync samples (stss), ascending 1-based numbers; every sample without a table.
class SyncSamples {
public:
    explicit SyncSamples(ByteReader table) : table_(table) {
        everySample_ = table_.Left() == 0;
        FullBoxVersion(table_);
        left_ = table_.U32();
        nextSync_ = TakeNext();
    }
    // Called for sample 1, 2, ... in turn.
    bool IsSync(uint64_t sample) {
        if (everySample_ || nextSync_ != sample)
            return everySample_;
        nextSync_ = TakeNext();
        return true;
    }

private:
    uint64_t TakeNext() {
        if (everySample_ || left_ == 0)
            return 0;
        --left_;
        return table_.U32();
    }
    ByteReader table_;
    bool everySample_ = true;
    uint32_t left_ = 0;
    uint64_t nextSync_ = 0;
};

// FFmpeg's av_rescale: a * b / c rounded to the nearest, halves away from zero.
int64_t Rescale(uint64_t value, uint32_t to, uint32_t from) {
    if (from == 0)
        return INT64_MAX;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(value) * to + from / 2;
    const unsigned __int128 result = scaled / from;
    return result > INT64_MAX ? INT64_MAX : static_cast<int64_t>(result);
}

// The samples the decoding-time table counts; 0 when it is damaged or beyond reason.
uint64_t SampleCount(RunReader deltas) {
    uint64_t samples = 0;
    uint32_t count = 0;
    uint32_t delta = 0;
    while (deltas.NextRun(&count, &delta)) {
        samples += count;
        if (delta > kLargestSampleDelta || samples > kMostSamples)
            return 0;
    }
    return deltas.Ended() ? samples : 0;
}

// Whether the full handling keeps and times every sample as the simple one
// does: the first sample is a keyframe whose shown time starts the edit, every
// sample is shown within [start, start + length), and no keyframe but the last
// sample ends at or after the edit's end (the full handling stops at such a one).
bool SamplesFitEdit(ByteReader stbl, int64_t start, int64_t length) {
    RunReader deltas(Child(stbl, FourCc("stts")));
    ByteReader offsetTable = Child(stbl, FourCc("ctts"));
    RunReader offsets = offsetTable.Left() > 0 ? RunReader(offsetTable) : RunReader();
    SyncSamples syncs(Child(stbl, FourCc("stss")));
    const uint64_t samples = SampleCount(deltas);
    if (!deltas.Present() || samples == 0)
        return false;
    int64_t decodingTime = 0;
    uint32_t delta = 0;
    for (uint64_t sample = 1; sample <= samples && deltas.Next(&delta); ++sample) {
        uint32_t offset = 0;
        if (offsets.Present() && !offsets.Next(&offset))
            return false;
        const int64_t shown = decodingTime + static_cast<int32_t>(offset);
        const bool keyframe = syncs.IsSync(sample);
        if ((sample == 1 && (!keyframe || shown != start)) || shown < start || shown - start >= length ||
            delta > kLargestSampleDelta)
            return false;
        if (keyframe && sample < samples && shown + delta - start >= length)
            return false;
        decodingTime += delta;
    }
    return !offsets.Present() || offsets.Ended();
}

TrackEdits::Kind KindOf(ByteReader mdia) {
    ByteReader hdlr = Child(mdia, FourCc("hdlr"));
    FullBoxVersion(hdlr);
    hdlr.Skip(4);
    const uint32_t handler = hdlr.U32();
    if (!hdlr.Ok())
        return TrackEdits::Kind::Other;
    if (handler == FourCc("vide"))
        return TrackEdits::Kind::Video;
    return handler == FourCc("soun") ? TrackEdits::Kind::Audio : TrackEdits::Kind::Other;
}

uint32_t TimeScaleOf(ByteReader header) {
    const int version = FullBoxVersion(header);
    header.Skip(version == 1 ? 16 : 8);
    return header.U32();
}

uint32_t TrackIdOf(ByteReader tkhd) {
    const int version = FullBoxVersion(tkhd);
    tkhd.Skip(version == 1 ? 16 : 8);
    return tkhd.U32();
}

TrackEdits ReadTrack(ByteReader trak, uint32_t movieTimeScale, bool *ok) {
    TrackEdits track;
    track.trackId = TrackIdOf(Child(trak, FourCc("tkhd")));
    ByteReader mdia = Child(trak, FourCc("mdia"));
    track.kind = KindOf(mdia);
    std::vector<Edit> edits;
    ByteReader edts = Child(trak, FourCc("edts"));
    Box box;
    int editLists = 0;
    while (NextBox(edts, &box))
        if (box.type == FourCc("elst") && ++editLists == 1)
            edits = ReadEdits(box.body, ok);
    if (editLists > 1)
        return track;
    const size_t first = !edits.empty() && edits.front().mediaTime == -1 ? 1 : 0;   // an empty edit delays the start
    if (edits.empty()) {
        track.onlyStartShift = true;
        track.keepsEverySample = true;   // the full handling leaves such a track alone
        return track;
    }
    if (edits.size() == first + 1 && edits[first].mediaTime >= 0 && edits[first].rate == kNormalRate) {
        track.onlyStartShift = true;
        track.mediaStart = edits[first].mediaTime;
    }
    if (track.kind != TrackEdits::Kind::Video || !track.onlyStartShift)
        return track;
    const uint32_t mediaTimeScale = TimeScaleOf(Child(mdia, FourCc("mdhd")));
    const int64_t length = Rescale(edits[first].duration, mediaTimeScale, movieTimeScale);
    track.keepsEverySample = mediaTimeScale > 0 &&
                             SamplesFitEdit(Child(Child(mdia, FourCc("minf")), FourCc("stbl")), track.mediaStart, length);
    return track;
}

std::optional<std::vector<TrackEdits>> ReadMovie(ByteReader moov) {
    const uint32_t movieTimeScale = TimeScaleOf(Child(moov, FourCc("mvhd")));
    std::vector<TrackEdits> tracks;
    bool ok = movieTimeScale > 0;
    Box box;
    while (ok && NextBox(moov, &box)) {
        if (box.type == FourCc("mvex") || box.type == FourCc("cmov"))
            return std::nullopt;   // fragments or a compressed movie: FFmpeg's own reading
        if (box.type == FourCc("trak"))
            tracks.push_back(ReadTrack(box.body, movieTimeScale, &ok));
    }
    if (!ok)
        return std::nullopt;
    return tracks;
}

struct DescriptorCloser {
    void operator()(const int *descriptor) const { close(*descriptor); }
};

} // namespace

std::optional<std::vector<TrackEdits>> ReadTrackEdits(const std::string &path) {
    int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat facts {};
    if (descriptor < 0)
        return std::nullopt;
    std::unique_ptr<const int, DescriptorCloser> closer(&descriptor);
    if (fstat(descriptor, &facts) != 0 || !S_ISREG(facts.st_mode))
        return std::nullopt;
    FileWindow window(descriptor);
    ByteReader file(&window, 0, static_cast<uint64_t>(facts.st_size));
    Box box;
    while (NextBox(file, &box)) {
        if (box.type == FourCc("moov"))
            return ReadMovie(box.body);
        if (box.type == FourCc("moof"))
            return std::nullopt;
    }
    return std::nullopt;
}

bool SimpleEditListsSuffice(const std::vector<TrackEdits> &tracks) {
    for (const TrackEdits &track : tracks) {
        if (track.kind == TrackEdits::Kind::Video && !(track.onlyStartShift && track.keepsEverySample))
            return false;
        if (track.kind == TrackEdits::Kind::Audio && !track.onlyStartShift)
            return false;
    }
    return true;
}

} // namespace korvid
