#pragma once
// The command line of pelorin-convert: what it asks for, or why it cannot be used.

#include "FrameRateChoice.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace cli {

enum class Action { Convert, ListTargets, ListProfiles, Help };

struct ConvertOptions {
    Action action = Action::Convert;
    QString targetName;                        // --target, or the target of --list-profiles
    std::optional<QString> profileName;        // --profile
    QList<QPair<QString, QString>> settings;   // --set Key=Value, in the given order
    std::optional<int> startSeconds;           // --start
    std::optional<int> endSeconds;             // --end
    std::optional<int> audioTrack;             // --audio-track, counted from 1
    QString outputFolder;                      // --output-dir; empty: the window's output folder
    std::optional<QString> nameTemplate;       // --name-template
    FrameRateAnswer frameRate{true, false};    // --frame-rate; "calculate" unless told
    bool showJob = false;
    bool json = false;
    QStringList files;
};

// `arguments` without the program's name.
std::variant<ConvertOptions, QString> ParseCommandLine(const QStringList &arguments);

// "01:02:03", "2:03" or "123" as seconds; nothing for other texts.
std::optional<int> SecondsOfTimeText(const QString &text);

QString UsageText();

} // namespace cli
