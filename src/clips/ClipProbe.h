#pragma once
// Probing one file into a new clip record in two stages: the probes (the engine
// library's facts and first picture, the media library's streams), which may run
// on any thread, and the record made from them on the thread that may ask (the
// frame-rate decision, the size rules, the information text, the rows and the
// default audio row).

#include "MediaStreams.h"
#include "VideoInfo.h"
#include "korvid.h"

#include <QImage>

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

// What the probes of one file found.
struct ProbedFile {
    QString fileName;
    QString whyNot;   // set when the file cannot be added
    EngineFileInfo facts{};
    TMediaInfo media;
    QImage thumbnail;
};

// Loads the engine from the program's folder for this one file and probes it;
// safe on any thread. The engine's scratch files go to settingsFolder.
ProbedFile ProbeFile(const QString &fileName, const QString &settingsFolder);
// The clip record of a probed file, null when it cannot be added; on the thread
// that answers the frame-rate question and owns the rows.
std::unique_ptr<TVideoInfo> ClipOfProbe(const ProbedFile &probed, const ClipProbeServices &services);

// Both stages on this thread. Loads the engine from the program's folder for this one file. Returns null
// when the engine library is unusable or rejects the file, and then says why in
// `whyNot` when given ("the engine library cannot be loaded", the engine's own reason).
std::unique_ptr<TVideoInfo> ProbeClip(const QString &fileName, const ClipProbeServices &services,
                                      QString *whyNot = nullptr);
