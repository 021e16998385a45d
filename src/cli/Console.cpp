#include "Console.h"

#include <cstdio>
#include <unistd.h>

namespace cli {
namespace {

// Each text goes out at once, so a reader of a pipe sees every line as it happens.
void Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

Console Console::Standard()
{
    return {[](const QString &text) { Write(stdout, text); }, [](const QString &text) { Write(stderr, text); },
            isatty(STDOUT_FILENO) == 1};
}

} // namespace cli
