#pragma once
// The clip list kept between runs: "ClipList.json" in the settings folder holds the
// files in list order with their ticks, trim ranges, audio and subtitle choices,
// and the current clip. The file says its format version; a file this program
// cannot read is moved aside, never overwritten, and the list starts empty.

#include "FrameRateChoice.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QByteArray;
class TVideoInfo;

// One clip as it is kept.
struct StoredClip {
    QString fileName;
    bool checked = true;
    int startSeconds = 0;
    int endSeconds = 0;
    int audioIndex = -1;      // the ticked audio row, from 0; -1 for none
    int subtitleIndex = 0;
    float frameRate = 0.0f;   // as the frame-rate rules settled it; 0 for unknown
    bool operator==(const StoredClip &) const = default;
};

struct StoredClipList {
    std::vector<StoredClip> clips;   // in list order
    int currentIndex = -1;           // -1: no current clip
    bool operator==(const StoredClipList &) const = default;
};

class ClipListStore {
public:
    static constexpr int kFormatVersion = 1;
    static inline const QString kFileName = QStringLiteral("ClipList.json");

    // `folder` is the settings folder, ending with "/".
    explicit ClipListStore(const QString &folder);
    QString FilePath() const { return path_; }

    struct Reading {
        StoredClipList list;
        QString problem;   // why the file could not be used; empty when it could or there was none
        QString keptAs;    // where such a file was moved
    };
    // No file gives an empty list.
    Reading Read() const;
    // Replaces the file as a whole: a temporary file is synced to the disk and renamed
    // over the old one, so a crash leaves either the old list or the new one.
    bool Write(const StoredClipList &list) const;

    static QByteArray Encode(const StoredClipList &list);
    // Null, with `whyNot` set, for data that is not a clip list of a known version.
    static std::optional<StoredClipList> Decode(const QByteArray &data, QString *whyNot);

private:
    QString KeepAside() const;

    QString path_;
};

// The list as it is kept: each clip's choices, and the current clip's position.
StoredClipList StoredListOf(const std::vector<std::unique_ptr<TVideoInfo>> &clips, const TVideoInfo *current);
// Answers the frame-rate question of a restore as the user answered it for the kept
// clip: the rate nearer the kept one. A file without a kept rate is calculated.
class StoredFrameRateAnswers : public FrameRateQuestion {
public:
    explicit StoredFrameRateAnswers(const std::vector<StoredClip> &clips) : clips_(clips) {}
    FrameRateAnswer Ask(const QString &fileName, float rateA, float rateB) override;

private:
    const std::vector<StoredClip> &clips_;
};

// Puts a kept clip's choices on the clip its file was probed into again; a trim
// range or an audio row the file no longer has is left as the probe made it.
void ApplyStoredChoices(const StoredClip &stored, TVideoInfo &clip);
