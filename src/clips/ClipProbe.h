#pragma once
// Probing one file into a new clip record: the engine library's probe and first
// picture, the media library's streams, the frame-rate decision, the size and
// thumbnail rules, the information text, the rows and the default audio row.

#include "VideoInfo.h"

#include <QString>
#include <memory>

class FrameRateQuestion;

struct ClipProbeServices {
    ClipRowFactory *rows = nullptr;               // null: a clip without rows
    FrameRateQuestion *frameRateQuestion = nullptr;
    QString settingsFolder;                        // ends with "/"; holds the engine's scratch file
    QString optionAudioLanguage;                   // the saved default audio language
    QString localeLanguage;                        // English name of the user's language
};

// Loads the engine from the program's folder for this one file. Returns null
// when the engine library is unusable or rejects the file, and then says why in
// `whyNot` when given ("the engine library cannot be loaded", the engine's own reason).
std::unique_ptr<TVideoInfo> ProbeClip(const QString &fileName, const ClipProbeServices &services,
                                      QString *whyNot = nullptr);
