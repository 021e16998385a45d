#pragma once
// The audio stream a new clip starts with: the saved default language first,
// then the user's locale language, then English, then the first stream.

#include <QStringList>

// languages: the audio rows' language texts in row order. localeLanguage is the
// English name of the user's language; an empty preference matches nothing.
// Returns -1 when there is no audio row.
int DefaultAudioIndex(const QStringList &languages, const QString &optionLanguage, const QString &localeLanguage);
