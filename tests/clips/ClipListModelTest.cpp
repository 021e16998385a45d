// The clip list model: order, selection, current clip, choices and busy state, and
// that every change is signalled.

#include "ClipListModel.h"
#include "QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVideoInfo> Clip(const QString &fileName, QList<int> audioIds = {})
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->FileName = fileName;
    for (int id : audioIds) {
        TAudioStream stream;
        stream.ID = id;
        clip->AddAudioRow(stream);
    }
    return clip;
}

QStringList FileNames(const ClipListModel &model)
{
    QStringList names;
    for (const auto &clip : model.Clips())
        names << clip->FileName;
    return names;
}

// Counts the model's signals by name.
struct SignalLog {
    explicit SignalLog(ClipListModel &model)
    {
        QObject::connect(&model, &ClipListModel::Changed, [this] { names << "Changed"; });
        QObject::connect(&model, &ClipListModel::ClipAdded, [this](TVideoInfo *) { names << "ClipAdded"; });
        QObject::connect(&model, &ClipListModel::ClipsRemoved, [this] { names << "ClipsRemoved"; });
        QObject::connect(&model, &ClipListModel::CurrentLeaving, [this](TVideoInfo *) { names << "CurrentLeaving"; });
        QObject::connect(&model, &ClipListModel::CurrentChanged, [this](TVideoInfo *) { names << "CurrentChanged"; });
        QObject::connect(&model, &ClipListModel::ClipEdited, [this](TVideoInfo *) { names << "ClipEdited"; });
        QObject::connect(&model, &ClipListModel::BusyChanged, [this](bool) { names << "BusyChanged"; });
    }
    QStringList Take() { return std::exchange(names, {}); }
    QStringList names;
};

} // namespace

TEST(ClipListModel, RemovingTheSelectedClipsGivesUpTheCurrentOneAndKeepsTheOrder)
{
    ClipListModel model;
    for (const char *name : {"a", "b", "c", "d"})
        model.Append(Clip(name));
    model.SetCurrent(model.At(1));
    model.At(1)->SetSelected(true);
    model.At(3)->SetSelected(true);
    SignalLog log(model);

    EXPECT_TRUE(model.RemoveSelected());
    EXPECT_EQ(FileNames(model), (QStringList{"a", "c"}));
    EXPECT_EQ(model.Current(), nullptr);
    EXPECT_EQ(log.Take(), (QStringList{"CurrentLeaving", "CurrentChanged", "Changed", "ClipsRemoved", "Changed"}));
    EXPECT_EQ(model.PositionOf(model.At(1)), 1);
    EXPECT_FALSE(model.RemoveSelected()) << "nothing selected";
    EXPECT_TRUE(log.Take().isEmpty());

    model.Clear();
    EXPECT_TRUE(model.IsEmpty());
    EXPECT_EQ(model.At(0), nullptr);
    EXPECT_TRUE(log.Take().contains("ClipsRemoved"));
}

TEST(ClipListModel, SelectionIsOneClipAndTheCurrentClipChangesOnce)
{
    ClipListModel model;
    model.Append(Clip("a"));
    model.Append(Clip("b"));
    model.SelectOnly(model.At(0));
    model.SelectOnly(model.At(1));
    EXPECT_EQ(model.Selected(), QList<TVideoInfo *>{model.At(1)});

    SignalLog log(model);
    model.SetCurrent(model.At(1));
    model.SetCurrent(model.At(1));
    model.SetCurrent(model.At(0));
    EXPECT_EQ(log.Take(), (QStringList{"CurrentChanged", "Changed", "CurrentLeaving", "CurrentChanged", "Changed"}));
    EXPECT_EQ(model.Current(), model.At(0));
}

TEST(ClipListModel, TicksAndAudioAndSubtitleChoicesAreSignalledEdits)
{
    ClipListModel model;
    model.Append(Clip("a", {4352, 4353}));
    TVideoInfo &clip = *model.At(0);
    clip.ChooseAudioRow(0);
    SignalLog log(model);

    model.ChooseAudio(clip, 1);
    EXPECT_EQ(clip.AudioStreamID, 4353);
    EXPECT_EQ(clip.ChosenAudioIndex(), 1);
    model.ChooseAudio(clip, 2);   // no such stream: nothing changes
    EXPECT_EQ(clip.AudioStreamID, 4353);
    model.ChooseSubtitle(clip, 3);
    EXPECT_EQ(clip.SubtitleIndex, 3);
    model.SetChecked(clip, !clip.Checked);
    EXPECT_EQ(log.Take(), (QStringList{"ClipEdited", "Changed", "ClipEdited", "Changed", "ClipEdited", "Changed"}));

    model.SetBusy(true);
    model.SetBusy(true);
    model.SetBusy(false);
    EXPECT_EQ(log.Take(), (QStringList{"BusyChanged", "Changed", "BusyChanged", "Changed"}));
    EXPECT_EQ(Clip("silent")->ChosenAudioIndex(), -1);
}
