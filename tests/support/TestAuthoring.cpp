#include "TestAuthoring.h"

#include <QFile>

#include <dlfcn.h>

namespace {

template <typename Function>
Function Bound(void *handle, const char *name)
{
    auto *function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function)
        qFatal("The test authoring library lacks %s", name);
    return function;
}

} // namespace

QString TestAuthoring::Folder(const QString &variant)
{
    return QStringLiteral(PELORIN_BUILD_DIR "/") + variant + QLatin1Char('/');
}

// Opened like the program opens it (RTLD_NODELETE), so both share one copy.
TestAuthoring::TestAuthoring(const QString &variant)
{
    const QByteArray path = QFile::encodeName(Folder(variant) + QStringLiteral("libdvdauthor.so"));
    handle_ = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle_)
        qFatal("Cannot load the test authoring library %s: %s", path.constData(), dlerror());
    Bound<void (*)()>(handle_, "TestAuthoring_Reset")();
}

TestAuthoring::~TestAuthoring()
{
    Bound<void (*)()>(handle_, "TestAuthoring_Reset")();
    dlclose(handle_);
}

void TestAuthoring::SetResult(int result)
{
    Bound<void (*)(int32_t)>(handle_, "TestAuthoring_SetResult")(result);
}

void TestAuthoring::HoldUntilStopped(int percent)
{
    Bound<void (*)(int32_t)>(handle_, "TestAuthoring_Hold")(percent);
}

bool TestAuthoring::WaitUntilRunning(int milliseconds) const
{
    return Bound<int32_t (*)(int32_t)>(handle_, "TestAuthoring_WaitRunning")(milliseconds) != 0;
}

int TestAuthoring::Calls() const
{
    return Bound<int32_t (*)()>(handle_, "TestAuthoring_Calls")();
}

QString TestAuthoring::LastPath() const
{
    return QFile::decodeName(Last(0));
}

QByteArray TestAuthoring::LastDescription() const
{
    return Last(1);
}

QByteArray TestAuthoring::Last(int which) const
{
    const auto read = Bound<int32_t (*)(int32_t, char *, int32_t)>(handle_, "TestAuthoring_Last");
    QByteArray text(read(which, nullptr, 0), '\0');
    read(which, text.data(), int32_t(text.size() + 1));
    return text;
}
