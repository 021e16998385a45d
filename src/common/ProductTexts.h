#pragma once
// The product's own fixed texts.

#include <QString>

// Application title, and the name of the per-user settings folder.
inline const QString kDisplayTitle = QStringLiteral("Pelorin Video Converter");
// The main window's internal name: keys the single-copy guard.
inline const QString kInternalWindowName = QStringLiteral("PelorinVideoConverter.Main");
// The default of text reads from settings files, standing for a missing entry.
inline const QString kNodef = QStringLiteral("nodef");
