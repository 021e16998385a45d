#include "ProductInfo.h"

#include <QFileInfo>
#include <QUrl>

#include "Desktop.h"
#include "ModalQuestions.h"
#include "ProductTexts.h"

namespace product {

QString HomePageAddress(const QString &programFolder)
{
    if (*kHomePage)
        return QLatin1String(kHomePage);
    const QFileInfo readme(programFolder + QStringLiteral("README.md"));
    return readme.isFile() ? QUrl::fromLocalFile(readme.absoluteFilePath()).toString() : QString();
}

QString SupportAddress()
{
    return QLatin1String(kSupportAddress);
}

QString ShownAddress(const QString &address)
{
    const QUrl url(address);
    if (url.isLocalFile())
        return url.fileName();
    if (url.scheme() == QLatin1String("mailto"))
        return url.path();
    return address;
}

void OpenLink(QWidget *asking, const QString &address)
{
    if (address.isEmpty() || !platform::CurrentDesktop().OpenUrl(address))
        platform::Questions().Error(asking, kDisplayTitle,
                                    QStringLiteral("Could not open \"%1\": no program on this computer opens it.")
                                        .arg(ShownAddress(address)));
}

} // namespace product
