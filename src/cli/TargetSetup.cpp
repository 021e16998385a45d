#include "TargetSetup.h"

#include "DefinitionSections.h"
#include "ProfileEntryTexts.h"
#include "TargetCatalogue.h"

#include <QStringList>

namespace cli {
namespace {

// The disc and ISO targets burn or image a DVD, which the engine has no conversion for.
bool CanConvertTo(int target)
{
    return targets::IsValidTarget(target) && target != targets::TargetDVD_Disc && target != targets::TargetDVD_ISO;
}

targets::MainWindowProfileList ProfileListOf(const targets::ProfileStore &store,
                                             const targets::ProfileDefinitions &definitions, int target)
{
    return targets::ReadMainWindowProfileList(store, definitions, targets::TargetSectionName(target));
}

QStringList ProfileNames(const targets::MainWindowProfileList &list)
{
    QStringList names;
    for (const targets::ProfileEntry &entry : list.entries)
        names << entry.name;
    return names;
}

} // namespace

std::variant<int, QString> TargetNamed(const QString &name)
{
    for (int target = 0; target < targets::TargetCount; ++target) {
        if (CanConvertTo(target) && targets::TargetName(target).compare(name, Qt::CaseInsensitive) == 0)
            return target;
    }
    return QStringLiteral("unknown target \"%1\" (--list-targets names them)").arg(name);
}

QString TargetsListing()
{
    QString listing;
    for (int target = 0; target < targets::TargetCount; ++target) {
        if (CanConvertTo(target))
            listing += targets::TargetName(target) + QLatin1Char('\n');
    }
    return listing;
}

std::variant<std::optional<targets::ProfileValues>, QString> ProfileFor(
    const targets::ProfileStore &store, const targets::ProfileDefinitions &definitions, int target,
    const std::optional<QString> &name)
{
    const targets::MainWindowProfileList list = ProfileListOf(store, definitions, target);
    if (!name) {
        if (list.defaultIndex < 0)
            return std::optional<targets::ProfileValues>();
        return std::optional(list.entries[list.defaultIndex].Values());
    }
    for (const targets::ProfileEntry &entry : list.entries) {
        if (entry.name.compare(name->trimmed(), Qt::CaseInsensitive) == 0)
            return std::optional(entry.Values());
    }
    if (list.entries.isEmpty())
        return QStringLiteral("%1 has no saved profiles").arg(targets::TargetName(target));
    return QStringLiteral("unknown profile \"%1\" for %2; profiles: %3")
        .arg(*name, targets::TargetName(target), ProfileNames(list).join(QStringLiteral(", ")));
}

std::optional<QString> ApplySettings(conversion::TargetPanel &panel, const QList<QPair<QString, QString>> &settings)
{
    for (const auto &[key, value] : settings) {
        if (std::optional<QString> problem = panel.Set(key, value))
            return problem;
    }
    return std::nullopt;
}

QString ProfilesListing(const targets::ProfileStore &store, const targets::ProfileDefinitions &definitions,
                        int target)
{
    const targets::MainWindowProfileList list = ProfileListOf(store, definitions, target);
    QString listing = QStringLiteral("Profiles of %1 (--profile NAME):\n").arg(targets::TargetName(target));
    if (list.entries.isEmpty())
        listing += QStringLiteral("  (none)\n");
    for (qsizetype entry = 0; entry < list.entries.size(); ++entry)
        listing += (entry == list.defaultIndex ? QStringLiteral("* ") : QStringLiteral("  ")) + list.texts[entry]
            + QLatin1Char('\n');
    listing += QStringLiteral("\nSettings (--set Key=Value; * marks the choice with the preselected profile):\n");
    const std::optional<targets::ProfileValues> preselected =
        list.defaultIndex >= 0 ? std::optional(list.entries[list.defaultIndex].Values()) : std::nullopt;
    const conversion::TargetPanel panel(definitions, target, QSize(), preselected);
    for (const conversion::PanelKey &key : conversion::PanelKeys()) {
        listing += QStringLiteral("  %1 (%2): %3\n")
                       .arg(QLatin1String(key.name), QLatin1String(key.meaning),
                            panel.ChoicesText(QLatin1String(key.name)));
    }
    return listing;
}

} // namespace cli
