#include "ModalQuestions.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsFilter, TranslatesToQtSyntax)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Desc|*.a;*.b|All|*.*", "Desc (*.a *.b);;All (*)"},
        {"Video Files|*.avi; *.MP4 ;*.mkv", "Video Files (*.avi *.MP4 *.mkv)"},
        {"All files (*.*)|*.*", "All files (*.*) (*)"},
        {"JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp", "JPG (*.jpg);;BMP (*.bmp)"},   // patterns already named
        {"Clips (*.avi)|*.avi;*.mp4", "Clips (*.avi) (*.avi *.mp4)"},
        {"", ""},
        {"Videos|*.avi|", "Videos (*.avi)"},                 // trailing separator
        {"Videos|*.avi|Lonely", "Videos (*.avi);;Lonely (*)"}, // description without patterns
        {"|*.avi", "*.avi (*.avi)"},                         // patterns without description
        {"Odd;;name|*.x", "Odd;name (*.x)"},                 // ";;" would split Qt's filter
        {"Videos|;;", "Videos (*)"},
        {"||||", ""},
    };
    for (const auto &[windows, qt] : cases)
        EXPECT_EQ(platform::QtFilterFromWindowsFilter(QString::fromUtf8(windows)), QString::fromUtf8(qt)) << windows;
}

} // namespace
