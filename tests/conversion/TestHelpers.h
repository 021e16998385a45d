#pragma once
// Small helpers of the conversion tests: readable output for Qt texts and a window
// handle that ignores the engine's messages.

#include "korvid.h"

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '[' << texts.join(QLatin1String(", ")).toStdString() << ']';
}

namespace conversion::testing_support {

// The engine posts from its own threads; this handle drops every message.
inline KorvidWindow *QuietWindow()
{
    static KorvidWindow window = {[](KorvidWindow *, uint32_t, uintptr_t, intptr_t) {}};
    return &window;
}

} // namespace conversion::testing_support
