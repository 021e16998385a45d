// A scripted libdvdauthor.so for tests of the program. author_main authors nothing:
// it records the path and the text of the description it is given and answers with
// the result the test set (0 after a reset). The TestAuthoring_ functions are the
// test's controls; TestAuthoring.h wraps them.
#include "dvdauthoring.h"

#include <fstream>
#include <mutex>
#include <sstream>
#include <string>

namespace {

struct Records {
    std::mutex mutex;
    int32_t result = 0;
    int32_t calls = 0;
    std::string path;
    std::string description;
};

Records &records()
{
    static Records instance;
    return instance;
}

std::string fileText(const char *path)
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
    Records &r = records();
    std::lock_guard lock(r.mutex);
    ++r.calls;
    r.path = authorXmlPath ? authorXmlPath : "";
    r.description = authorXmlPath ? fileText(authorXmlPath) : std::string();
    return r.result;
}

DVDAUTHORING_API int32_t getVOBsMB(const char *)
{
    return -1;
}

DVDAUTHORING_API void TestAuthoring_Reset()
{
    Records &r = records();
    std::lock_guard lock(r.mutex);
    r.result = 0;
    r.calls = 0;
    r.path.clear();
    r.description.clear();
}

DVDAUTHORING_API void TestAuthoring_SetResult(int32_t result)
{
    std::lock_guard lock(records().mutex);
    records().result = result;
}

DVDAUTHORING_API int32_t TestAuthoring_Calls()
{
    std::lock_guard lock(records().mutex);
    return records().calls;
}

// Copies the last call's path (which = 0) or description (which = 1) into buffer,
// cut to size - 1 bytes; returns its full length.
DVDAUTHORING_API int32_t TestAuthoring_Last(int32_t which, char *buffer, int32_t size)
{
    std::lock_guard lock(records().mutex);
    const std::string &text = which == 0 ? records().path : records().description;
    if (buffer && size > 0)
        buffer[text.copy(buffer, size_t(size - 1))] = '\0';
    return int32_t(text.size());
}

} // extern "C"
