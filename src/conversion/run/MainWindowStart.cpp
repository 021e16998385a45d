#include "MainWindowStart.h"

#include "ClipListPanel.h"
#include "ClipRecordFacts.h"
#include "OptionVariables.h"
#include "PreviewPanel.h"
#include "ProfileDefinitions.h"
#include "TProcessRun.h"
#include "VideoInfo.h"
#include "mainform/TMainForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <memory>
#include <optional>

namespace conversion {

namespace {

template <typename Control>
const Control *ControlOf(const QWidget &form, const char *name)
{
    return form.findChild<Control *>(QLatin1String(name));
}

int IndexOf(const QWidget &form, const char *name)
{
    const auto *combo = ControlOf<QComboBox>(form, name);
    return combo ? combo->currentIndex() : -1;
}

QString ComboText(const QWidget &form, const char *name)
{
    const auto *combo = ControlOf<QComboBox>(form, name);
    return combo ? combo->currentText() : QString();
}

int SpinValue(const QWidget &form, const char *name)
{
    const auto *spin = ControlOf<QSpinBox>(form, name);
    return spin ? spin->value() : 0;
}

bool Checked(const QWidget &form, const char *name, bool fallback)
{
    const auto *check = ControlOf<QAbstractButton>(form, name);
    return check ? check->isChecked() : fallback;
}

QString EditText(const QWidget &form, const char *name, const QString &fallback)
{
    const auto *edit = ControlOf<QLineEdit>(form, name);
    return edit ? edit->text() : fallback;
}

StartState StartStateOf(const TMainForm &mainForm, const TClipListPanel &clipList)
{
    const auto &clips = clipList.VideoInfoList;
    return {mainForm.Busy, mainForm.previewIsSeeking(),
            std::any_of(clips.begin(), clips.end(), [](const auto &clip) { return clip->Checked; }),
            mainForm.CurTargetType, int(clips.size())};
}

RunRequest RequestOf(TMainForm &mainForm, TClipListPanel &clipList, const targets::ProfileDefinitions &definitions)
{
    RunRequest request;
    request.settings = RunSettingsFromOptions(mainForm.CurTargetType, PanelValuesOf(mainForm), definitions);
    request.clipAt = ClipLookupOf(clipList.VideoInfoList);
    request.storeTargetFile = [&clipList](int index, const QString &targetFile) {
        if (index >= 0 && index < int(clipList.VideoInfoList.size()))
            clipList.VideoInfoList[index]->OutputPath = targetFile;
    };
    request.uploadClips = [&clipList] {
        QList<UploadClip> clips;
        for (const auto &clip : clipList.VideoInfoList)
            clips.append({clip->Checked, clip->OutputPath, clip->OutputName});
        return clips;
    };
    return request;
}

} // namespace

JobPanelValues PanelValuesOf(const QWidget &form)
{
    JobPanelValues panel;
    panel.outputFormatIndex = IndexOf(form, "suiComboBox_OutputFormat");
    panel.outputFormatText = ComboText(form, "suiComboBox_OutputFormat");
    panel.videoCodecIndex = IndexOf(form, "suiComboBox_VideoCodec");
    panel.audioCodecIndex = IndexOf(form, "suiComboBox_AudioCodec");
    panel.aspectIndex = IndexOf(form, "suiComboBox_Profile");
    panel.videoFrameRateIndex = IndexOf(form, "suiComboBox_VideoFrameRate");
    panel.audioBitRateIndex = IndexOf(form, "suiComboBox_AudioBitRate");
    panel.audioSampleRateIndex = IndexOf(form, "suiComboBox_AudioSampleRate");
    panel.cpuIndex = IndexOf(form, "suiComboBox_CPU");
    const auto *resolution = ControlOf<QComboBox>(form, "suiComboBox_Resolution");
    panel.resolutionListVisible = resolution && resolution->isVisibleTo(&form);
    panel.resolutionIndex = IndexOf(form, "suiComboBox_Resolution");
    panel.resolutionText = ComboText(form, "suiComboBox_Resolution");
    panel.videoWidth = SpinValue(form, "suiSpinEdit_VideoWidth");
    panel.videoHeight = SpinValue(form, "suiSpinEdit_VideoHeight");
    const auto *bitRate = ControlOf<QSpinBox>(form, "suiSpinEdit_VideoBitRate");
    panel.videoBitRateText = bitRate ? bitRate->text() : QString();
    const auto *volume = ControlOf<QSlider>(form, "suiTrackBar_Volume");
    panel.volumePosition = volume ? volume->value() : 0;
    panel.highQuality = Checked(form, "suiCheckBox_HQE", panel.highQuality);
    panel.deinterlace = Checked(form, "suiCheckBox_DeInterlace", panel.deinterlace);
    panel.forceSync = Checked(form, "suiCheckBox_ForceSync", panel.forceSync);
    panel.addLetterBox = Checked(form, "suiCheckBox_AddLetterBox", panel.addLetterBox);
    panel.dvdNtsc = Checked(form, "suiCheckBox_DVD_NTSC", panel.dvdNtsc);
    panel.dvdWide = Checked(form, "suiCheckBox_DVD_169", panel.dvdWide);
    panel.addLetterBoxVob = Checked(form, "suiCheckBox_AddLetterBox_VOB", panel.addLetterBoxVob);
    panel.dvdName = EditText(form, "suiEdit_DVDName", panel.dvdName);
    panel.artistName = EditText(form, "suiEdit_ArtistName", panel.artistName);
    return panel;
}

TProcessRun *AttachConversionRun(TMainForm &mainForm, TProcessForm &processForm)
{
    auto *run = new TProcessRun(processForm);
    auto definitions = std::make_shared<std::optional<targets::ProfileDefinitions>>();   // read at the first start
    auto *button = mainForm.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StartConvert"));
    QObject::connect(button, &QAbstractButton::clicked, run, [&mainForm, run, definitions] {
        auto *clipList = mainForm.findChild<TClipListPanel *>();
        if (!clipList || !StartChecksPass(&mainForm, StartStateOf(mainForm, *clipList)))
            return;
        QDir::setCurrent(g_s_Application_Data_Path);
        if (auto *preview = mainForm.findChild<TPreviewPanel *>())
            preview->ShutdownFrameEngine();   // the run loads the engine library itself
        if (!*definitions)
            definitions->emplace(targets::ProfileDefinitions::loadShipped());
        run->StartConversion(RequestOf(mainForm, *clipList, **definitions));
    });
    return run;
}

} // namespace conversion
