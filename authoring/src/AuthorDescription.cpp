#include "AuthorDescription.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace dvdauthoring {

std::string VideoFormatOf(const std::string &descriptionText) {
    static const std::regex videoFormat(R"(<video\b[^>]*\bformat\s*=\s*["']\s*(ntsc|pal)\s*["'])",
                                        std::regex::icase);
    std::smatch match;
    if (!std::regex_search(descriptionText, match, videoFormat))
        return {};
    std::string format = match[1].str();
    std::transform(format.begin(), format.end(), format.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return format;
}

std::string ReadTextFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? text.str() : std::string();
}

} // namespace dvdauthoring
