#pragma once
// The target side of a command line: the target by name, the saved profile the panel
// starts from, the single settings on top, and the listings that name them.

#include "ProfileDefinitions.h"
#include "ProfileStore.h"
#include "TargetPanel.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>
#include <variant>

namespace cli {

// The target of a name as --list-targets gives it (any case), or why there is none.
std::variant<int, QString> TargetNamed(const QString &name);

// The targets a command line can convert to, one name a line.
QString TargetsListing();

// The value list the panel starts from: the named profile, else the one the window's
// profile list preselects; nothing for a target without profiles. Why not, for an unknown name.
std::variant<std::optional<targets::ProfileValues>, QString> ProfileFor(
    const targets::ProfileStore &store, const targets::ProfileDefinitions &definitions, int target,
    const std::optional<QString> &name);

// Puts the settings on the panel in order; the first one it cannot take says why.
std::optional<QString> ApplySettings(conversion::TargetPanel &panel, const QList<QPair<QString, QString>> &settings);

// The target's saved profiles (the preselected one marked) and every key of --set with its
// choices for the panel as the target starts.
QString ProfilesListing(const targets::ProfileStore &store, const targets::ProfileDefinitions &definitions,
                        int target);

} // namespace cli
