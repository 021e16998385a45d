#pragma once
// The progress of one dvdauthor run, read from the status lines it prints.

#include <cstdint>
#include <string>
#include <vector>

namespace dvdauthoring {

// Reading the titles' VOB units fills 0..90 % by the megabytes written against the
// titles' total size; fixing the written units fills the rest. Never goes back.
class AuthorProgress {
public:
    explicit AuthorProgress(int64_t titleBytes) : titleBytes_(titleBytes) {}

    // One line of dvdauthor's output, without its line end.
    void ReadLine(const std::string &line);
    int Percent() const { return percent_; }

private:
    void RaiseTo(int percent);

    int64_t titleBytes_;
    int percent_ = 0;
};

// The files of the description's <vob file="..."> elements, with the XML escapes undone.
std::vector<std::string> TitleFilesOf(const std::string &descriptionText);

// The sizes of the files added up; a file that cannot be read counts 0.
int64_t TotalBytesOf(const std::vector<std::string> &files);

} // namespace dvdauthoring
