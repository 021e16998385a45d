#include "DvdAuthoring.h"

#include "LibraryLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace conversion {

DvdAuthoring::DvdAuthoring() = default;
DvdAuthoring::~DvdAuthoring() = default;

int DvdAuthoring::Author(const DvdAuthoringJob &job)
{
    std::unique_ptr<platform::Library> library = platform::Library::LoadByName(QStringLiteral("dvdauthor.dll"));
    const auto authorMain = library ? library->Bind<decltype(&author_main)>("author_main") : nullptr;
    // getVOBsMB is never called, but a library without it is not a complete one.
    if (!authorMain || !library->Bind<decltype(&getVOBsMB)>("getVOBsMB"))
        return DvdLibraryUnavailable;
    {
        const std::lock_guard lock(mutex_);
        progress_ = library->Bind<decltype(&author_progress)>("author_progress");
        stop_ = library->Bind<decltype(&author_stop)>("author_stop");
        stopped_ = false;
        library_ = std::move(library);
    }
    // A hidden name beside the final one: a half-made folder never carries the final name.
    QTemporaryDir building(job.jobFolder + QStringLiteral(".DVD_DISC-XXXXXX"));
    const int result = building.isValid() ? AuthorInto(building.path(), job, authorMain) : DvdAuthoringFailed;
    const std::lock_guard lock(mutex_);
    const bool stopped = stopped_;
    progress_ = nullptr;
    stop_ = nullptr;
    library_.reset();
    if (stopped)
        return DvdAuthoringStopped;
    if (result == DvdAuthored && !QDir().rename(building.path(), DvdDestination(job.jobFolder)))
        return DvdAuthoringFailed;
    return result;
}

int DvdAuthoring::AuthorInto(const QString &destination, const DvdAuthoringJob &job,
                             decltype(&author_main) authorMain)
{
    const QString xmlPath = job.descriptionFolder + QStringLiteral("author.xml");
    QFile::remove(xmlPath);
    if (!WriteAuthorXml(xmlPath, destination, job.video, job.titleFiles))
        return DvdTitleFileMissing;
    if (!QFile::exists(xmlPath))
        return DvdAuthoringFailed;
    const int status = authorMain(QFile::encodeName(xmlPath).constData());
    QFile::remove(xmlPath);
    return status == 0 ? DvdAuthored : DvdAuthoringFailed;
}

std::optional<int> DvdAuthoring::Progress() const
{
    const std::lock_guard lock(mutex_);
    const int percent = progress_ ? progress_() : -1;
    return percent >= 0 ? std::optional<int>(percent) : std::nullopt;
}

bool DvdAuthoring::Stop()
{
    const std::lock_guard lock(mutex_);
    if (!stop_ || stop_() != 0)
        return false;
    stopped_ = true;
    return true;
}

} // namespace conversion
