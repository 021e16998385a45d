#include "AudioChoice.h"

#include <QHash>

namespace {

// The saved choices are the languages' own names ("Francais"); the media library names
// languages in English ("French"), so each of those choices matches its English name too.
QString EnglishNameOf(const QString &upperName)
{
    static const QHash<QString, QString> english{{QStringLiteral("DEUTSCH"), QStringLiteral("GERMAN")},
                                                 {QStringLiteral("ESPANOL"), QStringLiteral("SPANISH")},
                                                 {QStringLiteral("FRANCAIS"), QStringLiteral("FRENCH")},
                                                 {QStringLiteral("ITALIANO"), QStringLiteral("ITALIAN")},
                                                 {QStringLiteral("PORTUGUES"), QStringLiteral("PORTUGUESE")}};
    return english.value(upperName, upperName);
}

} // namespace

int DefaultAudioIndex(const QStringList &languages, const QString &optionLanguage, const QString &localeLanguage)
{
    const QString option = optionLanguage.toUpper();
    const QString optionInEnglish = EnglishNameOf(option);
    const QString locale = localeLanguage.toUpper();
    int lastLocale = -1;
    int lastEnglish = -1;
    for (int index = 0; index < languages.size(); ++index) {
        const QString language = languages[index].toUpper();
        if (!option.isEmpty() && (language == option || language == optionInEnglish))
            return index;
        if (!locale.isEmpty() && language == locale)
            lastLocale = index;
        if (language == QLatin1String("ENGLISH"))
            lastEnglish = index;
    }
    if (lastLocale >= 0)
        return lastLocale;
    if (lastEnglish >= 0)
        return lastEnglish;
    return languages.isEmpty() ? -1 : 0;
}
