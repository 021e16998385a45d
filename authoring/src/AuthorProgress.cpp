#include "AuthorProgress.h"

#include <algorithm>
#include <regex>
#include <sys/stat.h>

namespace dvdauthoring {
namespace {

constexpr int kReadingShare = 90;

std::string Unescaped(const std::string &text) {
    static const std::pair<const char *, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''},
        {"&#9;", '\t'}, {"&#10;", '\n'}, {"&#13;", '\r'},
    };
    std::string plain;
    for (size_t at = 0; at < text.size();) {
        bool replaced = false;
        for (const auto &[entity, character] : entities) {
            if (text.compare(at, std::char_traits<char>::length(entity), entity) == 0) {
                plain += character;
                at += std::char_traits<char>::length(entity);
                replaced = true;
                break;
            }
        }
        if (!replaced)
            plain += text[at++];
    }
    return plain;
}

} // namespace

void AuthorProgress::ReadLine(const std::string &line) {
    static const std::regex reading(R"(^STAT: VOBU \d+ at (\d+)MB)");
    static const std::regex fixing(R"(^STAT: fixing VOBU at \d+MB \(\d+/\d+, (\d+)%\))");
    std::smatch match;
    if (std::regex_search(line, match, fixing)) {
        RaiseTo(kReadingShare + std::stoi(match[1].str()) * (100 - kReadingShare) / 100);
    } else if (std::regex_search(line, match, reading) && titleBytes_ > 0) {
        const int64_t writtenBytes = std::stoll(match[1].str()) * 1024 * 1024;
        RaiseTo(static_cast<int>(std::min<int64_t>(writtenBytes * kReadingShare / titleBytes_, kReadingShare)));
    } else if (line.rfind("STAT: fixed ", 0) == 0 || line.find("creating table of contents") != std::string::npos) {
        RaiseTo(99);
    }
}

void AuthorProgress::RaiseTo(int percent) {
    percent_ = std::clamp(std::max(percent_, percent), 0, 99);
}

std::vector<std::string> TitleFilesOf(const std::string &descriptionText) {
    static const std::regex vob(R"re(<vob\b[^>]*\bfile\s*=\s*"([^"]*)")re");
    std::vector<std::string> files;
    for (auto it = std::sregex_iterator(descriptionText.begin(), descriptionText.end(), vob);
         it != std::sregex_iterator(); ++it)
        files.push_back(Unescaped((*it)[1].str()));
    return files;
}

int64_t TotalBytesOf(const std::vector<std::string> &files) {
    int64_t total = 0;
    for (const std::string &file : files) {
        struct stat facts {};
        if (stat(file.c_str(), &facts) == 0)
            total += facts.st_size;
    }
    return total;
}

} // namespace dvdauthoring
