#pragma once
// The parameter panel of one target without its window: the lists and fields the panel
// fills when a target is chosen, a saved profile put on them as choosing it in the profile
// list does, and single edits by the keys of the definition file. Job assembly and output
// naming read the result. The fill follows the window: target section, then the output
// format's sub-section, the aspect handling (HD targets' resolution list, MPEG's aspect-mode
// sections) and the size fields following the clip.

#include "JobPanelValues.h"
#include "OutputPanelValues.h"
#include "ProfileDefinitions.h"
#include "ProfileValueList.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace conversion {

// The keys of single edits: the definition file's key families of what a profile saves.
struct PanelKey {
    const char *name;
    const char *meaning;
};
const QList<PanelKey> &PanelKeys();

class TargetPanel {
public:
    // The panel right after `target` is chosen, with the saved profile the profile list
    // selects (none: the definitions' preselection). The size fields follow `clipSize`, the
    // selected clip's size, where the aspect mode asks for it. `definitions` must outlive this.
    TargetPanel(const targets::ProfileDefinitions &definitions, int target, QSize clipSize,
                const std::optional<targets::ProfileValues> &profile = std::nullopt);

    // Picks another entry of the "Output Image Setting" list, as the user would.
    void ChooseAspect(int index);
    // One edit: a list entry by its shown text (or its engine value), a number field by its
    // value. Nothing when done, else why not ("VideoCodec has no choice \"x\"; choices: ...").
    std::optional<QString> Set(const QString &key, const QString &value);

    // "choices: 64, 96, *128" (the selected one marked) or a number field's value and range.
    QString ChoicesText(const QString &key) const;

    JobPanelValues JobValues() const;
    naming::OutputPanelValues OutputValues() const;
    int Target() const { return target_; }

private:
    struct List {
        targets::ChoiceList choices;
        QString section;   // the section that answered, for its engine values
    };
    struct Number {
        targets::NumberSetting setting;
        int value = 0;
    };

    List ReadList(const QString &section, const QString &fallbackSection, const char *base) const;
    Number ReadNumber(const QString &section, const QString &fallbackSection, const char *base) const;
    void Fill();
    void PutProfile(const targets::ProfileValues &values);
    void FillVolume(const QString &section, const QString &fallbackSection);
    void RefillCodecLists();
    void AspectChanged();
    void RefillHdResolution();
    void MpegAspectHandling();
    void SyncSizeFields();
    int ResolveAspectMode() const;
    // The list or number field of a key, const or not as the panel is.
    template <typename Panel>
    static auto *ListOf(Panel &panel, const QString &key);
    template <typename Panel>
    static auto *NumberOf(Panel &panel, const QString &key);
    std::optional<QString> SetChoice(const QString &key, List &list, const QString &value);
    std::optional<QString> SetNumber(const QString &key, Number &number, const QString &value);

    const targets::ProfileDefinitions &definitions_;
    int target_;
    QString section_;
    QSize clipSize_;

    List outputFormat_, videoCodec_, audioCodec_, aspect_, frameRate_, audioBitrate_, audioSampleRate_,
        resolution_, volumeList_;
    Number videoBitRate_, width_, height_, volume_;
    bool sizeFieldsEnabled_ = true;
    QSize lastCustomSize_;
    int aspectMode_ = 0;
};

} // namespace conversion
