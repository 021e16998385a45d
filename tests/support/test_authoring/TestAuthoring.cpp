// A scripted libdvdauthor.so for tests of the program. author_main authors nothing:
// it records the path and the text of the description it is given and answers with
// the result the test set (0 after a reset); held, it makes half a DVD folder and
// reports a progress until author_stop ends it. The TestAuthoring_ functions are the
// test's controls; TestAuthoring.h wraps them.
#include "dvdauthoring.h"

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace {

struct Records {
    std::mutex mutex;
    int32_t result = 0;
    int32_t calls = 0;
    std::string path;
    std::string description;
    int32_t holdPercent = -1;   // >= 0: author_main reports this and waits for author_stop
    bool running = false;
    bool stopped = false;
    std::condition_variable stopSignal;
};

Records &SharedRecords()
{
    static Records instance;
    return instance;
}

std::string FileText(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

extern "C" {

DVDAUTHORING_API int32_t author_main(const char *authorXmlPath)
{
    Records &r = SharedRecords();
    std::unique_lock lock(r.mutex);
    ++r.calls;
    r.path = authorXmlPath ? authorXmlPath : "";
    r.description = authorXmlPath ? FileText(authorXmlPath) : std::string();
    if (r.holdPercent < 0)
        return r.result;
    // Half a DVD folder, as dvdauthor leaves it when it is ended.
    const size_t dest = r.description.find("dest=\"");
    if (dest != std::string::npos) {
        const size_t start = dest + 6;
        const std::string folder = r.description.substr(start, r.description.find('"', start) - start);
        mkdir(folder.c_str(), 0755);
        mkdir((folder + "/VIDEO_TS").c_str(), 0755);
    }
    r.running = true;
    r.stopped = false;
    r.stopSignal.notify_all();
    r.stopSignal.wait(lock, [&r] { return r.stopped; });
    r.running = false;
    return -1;
}

DVDAUTHORING_API int32_t author_progress(void)
{
    std::lock_guard lock(SharedRecords().mutex);
    return SharedRecords().running ? SharedRecords().holdPercent : -1;
}

DVDAUTHORING_API int32_t author_stop(void)
{
    Records &r = SharedRecords();
    std::lock_guard lock(r.mutex);
    if (!r.running)
        return -1;
    r.stopped = true;
    r.stopSignal.notify_all();
    return 0;
}

// From now on author_main reports `percent` and waits until author_stop ends it.
DVDAUTHORING_API void TestAuthoring_Hold(int32_t percent)
{
    std::lock_guard lock(SharedRecords().mutex);
    SharedRecords().holdPercent = percent;
}

// Waits up to `milliseconds` for a held author_main to be running; returns whether it is.
DVDAUTHORING_API int32_t TestAuthoring_WaitRunning(int32_t milliseconds)
{
    Records &r = SharedRecords();
    std::unique_lock lock(r.mutex);
    return r.stopSignal.wait_for(lock, std::chrono::milliseconds(milliseconds), [&r] { return r.running; }) ? 1 : 0;
}

DVDAUTHORING_API int32_t getVOBsMB(const char *)
{
    return -1;
}

DVDAUTHORING_API void TestAuthoring_Reset()
{
    Records &r = SharedRecords();
    std::lock_guard lock(r.mutex);
    r.result = 0;
    r.calls = 0;
    r.holdPercent = -1;
    r.path.clear();
    r.description.clear();
}

DVDAUTHORING_API void TestAuthoring_SetResult(int32_t result)
{
    std::lock_guard lock(SharedRecords().mutex);
    SharedRecords().result = result;
}

DVDAUTHORING_API int32_t TestAuthoring_Calls()
{
    std::lock_guard lock(SharedRecords().mutex);
    return SharedRecords().calls;
}

// Copies the last call's path (which = 0) or description (which = 1) into buffer,
// cut to size - 1 bytes; returns its full length.
DVDAUTHORING_API int32_t TestAuthoring_Last(int32_t which, char *buffer, int32_t size)
{
    std::lock_guard lock(SharedRecords().mutex);
    const std::string &text = which == 0 ? SharedRecords().path : SharedRecords().description;
    if (buffer && size > 0)
        buffer[text.copy(buffer, size_t(size - 1))] = '\0';
    return int32_t(text.size());
}

} // extern "C"
