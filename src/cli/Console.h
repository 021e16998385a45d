#pragma once
// Where pelorin-convert writes: its standard output and error, and whether the output
// is a terminal (which gets one progress line rewritten in place).

#include <QString>

#include <functional>

namespace cli {

struct Console {
    std::function<void(const QString &text)> out;
    std::function<void(const QString &text)> err;
    bool outIsTerminal = false;

    // The process's own standard output and error.
    static Console Standard();
};

} // namespace cli
