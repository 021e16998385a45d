#include "DvdAuthoring.h"

#include "LibraryLoader.h"
#include "OptionVariables.h"
#include "dvdauthoring.h"

#include <QFile>

#include <memory>

namespace conversion {

int AuthorDvd(const DvdAuthoringJob &job)
{
    const QString xmlPath = g_s_Application_Data_Path + QStringLiteral("author.xml");
    QFile::remove(xmlPath);
    const bool allFilesExist = WriteAuthorXml(xmlPath, job.jobFolder, job.video, job.titleFiles);

    const std::unique_ptr<platform::Library> library = platform::Library::loadByName(QStringLiteral("dvdauthor.dll"));
    const auto authorMain = library ? library->bind<decltype(&author_main)>("author_main") : nullptr;
    // getVOBsMB is never called, but a library without it is not a complete one.
    if (!authorMain || !library->bind<decltype(&getVOBsMB)>("getVOBsMB"))
        return DvdLibraryUnavailable;
    if (!allFilesExist)
        return DvdTitleFileMissing;
    if (!QFile::exists(xmlPath))
        return DvdAuthoringFailed;
    const int status = authorMain(QFile::encodeName(xmlPath).constData());
    QFile::remove(xmlPath);
    return status == 0 ? DvdAuthored : DvdAuthoringFailed;
}

} // namespace conversion
