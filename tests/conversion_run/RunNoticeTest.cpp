// What the desktop notification says at the end of a run.

#include "RunNotice.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

TEST(RunNotice, SaysWhatHappened)
{
    const struct {
        int result, clips, failed;
        const char *summary, *body;
    } cases[] = {
        {1, 3, 0, "3 files converted to iPod", "/out/iPod"},
        {1, 1, 0, "1 file converted to iPod", "/out/iPod"},
        {1, 3, 1, "1 of 3 failed", "2 files converted to iPod"},
        {1, 2, 2, "2 of 2 failed", "No file was converted"},
        {0, 3, 0, "Conversion stopped", "Stopped by the user"},
        {-1, 3, 0, "Conversion failed", ""},
        {2, 3, 0, "Conversion failed", ""},
    };
    for (const auto &c : cases) {
        const RunNotice notice = NoticeOfRun(c.result, "iPod", c.clips, c.failed, "/out/iPod");
        EXPECT_EQ(notice.summary, QString::fromLatin1(c.summary)) << c.result << " " << c.failed;
        EXPECT_EQ(notice.body, QString::fromLatin1(c.body)) << c.result << " " << c.failed;
    }
}

} // namespace
} // namespace conversion
