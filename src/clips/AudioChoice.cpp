#include "AudioChoice.h"

int DefaultAudioIndex(const QStringList &languages, const QString &optionLanguage, const QString &localeLanguage)
{
    const QString option = optionLanguage.toUpper();
    const QString locale = localeLanguage.toUpper();
    int lastLocale = -1;
    int lastEnglish = -1;
    for (int index = 0; index < languages.size(); ++index) {
        const QString language = languages[index].toUpper();
        if (!option.isEmpty() && language == option)
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
