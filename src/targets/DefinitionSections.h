#pragma once
// Which section of the definition file answers a read: a target section, its output-format
// sub-section (target section + "-" + format name) or, for target MPEG, its aspect-mode
// sub-section (target section + "-" + mode). These helpers hold the fallback rules shared
// by the parameter panel, the options dialog and job assembly.

#include "ProfileDefinitions.h"

namespace targets {

// The output-format sub-section a target's first fill falls back to: named by
// OutputFormatText<OutputFormatDefault> when the target has formats, else the target section.
QString FirstFillSubSection(const ProfileDefinitions &reader, const QString &targetSection);

// The sub-section of the output format chosen at `formatIndex` (its resolved value).
QString OutputFormatSubSection(const ProfileDefinitions &reader, const QString &targetSection, int formatIndex);

// A list read from `section`, read again from `fallbackSection` when the first read leaves it disabled.
ChoiceList ReadChoiceListWithFallback(const ProfileDefinitions &reader, const QString &section,
                                      const QString &fallbackSection, const QString &base);

// A spin field read from `section`, read again from `fallbackSection` when its value is 0.
NumberSetting ReadNumberSettingWithFallback(const ProfileDefinitions &reader, const QString &section,
                                            const QString &fallbackSection, const QString &base);

// The engine value of a choice in `section`, else in `fallbackSection`; "nodef" when neither has it.
QString ResolveChoiceValueWithFallback(const ProfileDefinitions &reader, const QString &section,
                                       const QString &fallbackSection, const QString &base, int index);

// The PfSetting.ini section holding the target's user profiles, or "NoProfile".
QString ProfileSectionOf(const ProfileDefinitions &reader, const QString &targetSection);

// The leading decimal number of an aspect value ("11" -> 11); 0 when it has none.
int AspectModeOf(const QString &aspectValue);

} // namespace targets
