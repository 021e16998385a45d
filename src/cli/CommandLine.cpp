#include "CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace cli {
namespace {

const QString ProgramName = QStringLiteral("pelorin-convert");

QCommandLineOption ValueOption(const char *name, const char *valueName)
{
    return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
}

std::optional<FrameRateAnswer> FrameRateAnswerOf(const QString &text)
{
    if (text == QLatin1String("calculate"))
        return FrameRateAnswer{true, false};
    if (text == QLatin1String("first"))
        return FrameRateAnswer{false, true};
    if (text == QLatin1String("second"))
        return FrameRateAnswer{false, false};
    return std::nullopt;
}

// Reads the options that take values into `options`; the reason when one is unusable.
std::optional<QString> ReadValues(const QCommandLineParser &parser, ConvertOptions &options)
{
    options.targetName = parser.value(QStringLiteral("target"));
    if (parser.isSet(QStringLiteral("profile")))
        options.profileName = parser.value(QStringLiteral("profile"));
    for (const QString &setting : parser.values(QStringLiteral("set"))) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return QStringLiteral("--set takes Key=Value, not \"%1\"").arg(setting);
        options.settings.append({setting.left(equals).trimmed(), setting.mid(equals + 1).trimmed()});
    }
    for (const auto &[name, field] : {std::pair{"start", &options.startSeconds}, std::pair{"end", &options.endSeconds}}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        *field = SecondsOfTimeText(parser.value(QLatin1String(name)));
        if (!*field)
            return QStringLiteral("--%1 takes HH:MM:SS, not \"%2\"").arg(QLatin1String(name), parser.value(QLatin1String(name)));
    }
    if (options.startSeconds && options.endSeconds && *options.startSeconds >= *options.endSeconds)
        return QStringLiteral("--start must come before --end");
    if (parser.isSet(QStringLiteral("audio-track"))) {
        bool isNumber = false;
        const int track = parser.value(QStringLiteral("audio-track")).toInt(&isNumber);
        if (!isNumber || track < 1)
            return QStringLiteral("--audio-track takes a track number from 1, not \"%1\"")
                .arg(parser.value(QStringLiteral("audio-track")));
        options.audioTrack = track;
    }
    if (parser.isSet(QStringLiteral("frame-rate"))) {
        const std::optional<FrameRateAnswer> answer = FrameRateAnswerOf(parser.value(QStringLiteral("frame-rate")));
        if (!answer)
            return QStringLiteral("--frame-rate takes first, second or calculate, not \"%1\"")
                .arg(parser.value(QStringLiteral("frame-rate")));
        options.frameRate = *answer;
    }
    options.outputFolder = parser.value(QStringLiteral("output-dir"));
    if (parser.isSet(QStringLiteral("name-template")))
        options.nameTemplate = parser.value(QStringLiteral("name-template"));
    return std::nullopt;
}

} // namespace

std::optional<int> SecondsOfTimeText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:(?:(\\d+):)?(\\d{1,2}):)?(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    const bool hasMinutes = !match.captured(2).isEmpty();
    if (hasMinutes && (minutes > 59 || seconds > 59))
        return std::nullopt;
    const qint64 total = qint64(hours) * 3600 + minutes * 60 + qint64(seconds);
    return total <= 86400 ? std::optional<int>(int(total)) : std::nullopt;
}

std::variant<ConvertOptions, QString> ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        ValueOption("target", "name"), ValueOption("profile", "name"), ValueOption("set", "Key=Value"),
        ValueOption("start", "HH:MM:SS"), ValueOption("end", "HH:MM:SS"), ValueOption("audio-track", "N"),
        ValueOption("output-dir", "folder"), ValueOption("name-template", "template"),
        ValueOption("frame-rate", "choice"), ValueOption("list-profiles", "target"),
        QCommandLineOption(QStringLiteral("show-job")), QCommandLineOption(QStringLiteral("json")),
        QCommandLineOption(QStringLiteral("list-targets")),
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
    });
    if (!parser.parse(QStringList{ProgramName} + arguments))
        return parser.errorText();
    ConvertOptions options;
    options.showJob = parser.isSet(QStringLiteral("show-job"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.files = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")))
        options.action = Action::Help;
    else if (parser.isSet(QStringLiteral("list-targets")))
        options.action = Action::ListTargets;
    else if (parser.isSet(QStringLiteral("list-profiles")))
        options.action = Action::ListProfiles;
    if (const std::optional<QString> problem = ReadValues(parser, options))
        return *problem;
    if (options.action == Action::ListProfiles)
        options.targetName = parser.value(QStringLiteral("list-profiles"));
    if (options.action != Action::Convert)
        return options;
    if (options.targetName.isEmpty())
        return QStringLiteral("no --target given (--list-targets names them)");
    if (options.files.isEmpty())
        return QStringLiteral("no files given");
    return options;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: pelorin-convert --target NAME [options] FILE...\n"
        "       pelorin-convert --list-targets\n"
        "       pelorin-convert --list-profiles TARGET\n"
        "\n"
        "Converts each FILE (a folder stands for the media files in it) for a target, with the\n"
        "target's settings as the program's window has them right after choosing it.\n"
        "\n"
        "  --target NAME          the target, e.g. iPod, MP4, HDMP4, MP3 (--list-targets)\n"
        "  --profile NAME         a saved profile of the target instead of its default one\n"
        "  --set Key=Value        one setting, e.g. --set VideoBitRate=800 --set VideoCodec=mpeg4\n"
        "                         (--list-profiles TARGET lists the keys and their choices)\n"
        "  --start HH:MM:SS       convert from this time of each clip\n"
        "  --end HH:MM:SS         convert up to this time of each clip\n"
        "  --audio-track N        the clip's N-th audio stream (from 1)\n"
        "  --output-dir DIR       output root; files go to DIR/<target folder>/\n"
        "  --name-template T      output name, with #Name #ClipID #Length #Resolution #Time #SN\n"
        "  --frame-rate CHOICE    when the two probes disagree: first, second or calculate\n"
        "  --show-job             print each clip's engine call, convert nothing\n"
        "  --json                 one JSON object per line for each event\n"
        "\n"
        "Exit status: 0 every clip converted, 1 some clips failed, 2 bad usage,\n"
        "130 stopped by an interrupt (the current clip's output stays valid, shorter).\n");
}

} // namespace cli
