// The clip list outlives a program killed without warning: a session adds clips,
// trims one and picks its other audio track, is killed with SIGKILL as soon as it
// waits again, and the next start shows the same list. The real program with the
// real engine does the same with files given on its command line; its message is
// read the way a screen reader reads it, over the accessibility bus of a private
// desktop session (under xvfb-run: the offscreen platform has no accessibility).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

#include "BusServices.h"
#include "ClipListStore.h"
#include "ClipListStorePrinters.h"
#include "LibraryLoader.h"
#include "MediaFixtures.h"

namespace {

class ClipListProcess : public ::testing::Test {
protected:
    ClipListProcess()
    {
        QDir().mkpath(home_.filePath("runtime"));
        QFile::setPermissions(home_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_.insert("QT_QPA_PLATFORM", "offscreen");
        environment_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment_.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        environment_.insert("HOME", home_.path());
    }

    void Start(QProcess &process, const QString &program, const QStringList &arguments)
    {
        process.setProcessEnvironment(environment_);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The list in the settings folder once `done` holds for it; nullopt after `seconds`.
    std::optional<StoredClipList> WaitForKeptList(const std::function<bool(const StoredClipList &)> &done,
                                                  int seconds)
    {
        QFile file(home_.filePath(QStringLiteral("config/Pelorin/Pelorin Video Converter/") + ClipListStore::kFileName));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < seconds * 1000) {
            QString whyNot;
            if (file.open(QIODevice::ReadOnly)) {
                const std::optional<StoredClipList> list = ClipListStore::Decode(file.readAll(), &whyNot);
                file.close();
                if (list && done(*list))
                    return list;
            }
            QTest::qWait(100);
        }
        return std::nullopt;
    }

    QTemporaryDir home_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

QStringList FilesOf(const StoredClipList &list)
{
    QStringList files;
    for (const StoredClip &clip : list.clips)
        files << clip.fileName;
    return files;
}

// Reads a desktop session's accessibility tree as a screen reader does (AT-SPI).
class AccessibilityReader {
public:
    static inline const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

    // Starts the session's accessibility bus on `session` with `environment`.
    bool Start(const QString &session, const QProcessEnvironment &environment)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(session, QStringLiteral("reader-session"));
        launcher_.setProcessEnvironment(environment);
        launcher_.start(kBusLauncher, QStringList());
        if (!launcher_.waitForStarted(10000))
            return false;
        if (!QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")); },
                             30000))
            return false;
        const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
            QStringLiteral("GetAddress")));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        accessibility_ = reply.arguments().constFirst().toString();
        return true;
    }

    ~AccessibilityReader()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("reader-accessibility"));
        QDBusConnection::disconnectFromBus(QStringLiteral("reader-session"));
        launcher_.terminate();   // it ends the accessibility bus it started
        launcher_.waitForFinished(10000);
    }

    // The first shown name, among every application's accessible objects, that holds
    // `part`; empty when none does within `seconds`.
    QString WaitForName(const QString &part, int seconds)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(accessibility_, QStringLiteral("reader-accessibility"));
        QString found;
        const bool shown = QTest::qWaitFor([&] {
            for (const QString &name : bus.interface()->registeredServiceNames().value()) {
                if (name.startsWith(QLatin1Char(':')) && name != bus.baseService())
                    found = FindName(bus, name, QStringLiteral("/org/a11y/atspi/accessible/root"), part, 0);
                if (!found.isEmpty())
                    return true;
            }
            return false;
        }, seconds * 1000);
        return shown ? found : QString();
    }

private:
    static QString FindName(QDBusConnection &bus, const QString &service, const QString &path, const QString &part,
                            int depth)
    {
        constexpr int kDeepest = 16;
        const QDBusMessage name = bus.call(QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
                                               << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name"));
        if (name.type() != QDBusMessage::ReplyMessage)
            return {};
        const QString text = name.arguments().constFirst().value<QDBusVariant>().variant().toString();
        if (text.contains(part))
            return text;
        if (depth == kDeepest)
            return {};
        const QDBusMessage children = bus.call(QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren")));
        if (children.type() != QDBusMessage::ReplyMessage)
            return {};
        const QDBusArgument list = children.arguments().constFirst().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            QString childService;
            QDBusObjectPath childPath;
            list.beginStructure();
            list >> childService >> childPath;
            list.endStructure();
            const QString found = FindName(bus, childService, childPath.path(), part, depth + 1);
            if (!found.isEmpty())
                return found;
        }
        list.endArray();
        return {};
    }

    QProcess launcher_;
    QString accessibility_;
};

TEST_F(ClipListProcess, AListEditedJustBeforeTheProgramIsKilledComesBackAtTheNextStart)
{
    const QString a = fixtures::Mp4WithTwoAudioTracks(home_.filePath("a.mp4"));
    ASSERT_FALSE(a.isEmpty());
    const QString b = home_.filePath("b c.mp4");
    ASSERT_TRUE(QFile::copy(a, b));

    QProcess editing;
    Start(editing, QStringLiteral(CLIP_LIST_SESSION), {"edit", a, b});
    QByteArray out;
    while (!out.contains("edited\n") && editing.waitForReadyRead(60000))
        out += editing.readAllStandardOutput();
    ASSERT_TRUE(out.contains("edited\n")) << editing.readAllStandardError().toStdString();
    editing.kill();   // SIGKILL: no clean-up, no quitting signal
    ASSERT_TRUE(editing.waitForFinished(10000));
    EXPECT_EQ(editing.exitStatus(), QProcess::CrashExit);

    QProcess next;
    Start(next, QStringLiteral(CLIP_LIST_SESSION), {"report", a, b});
    ASSERT_TRUE(next.waitForFinished(60000));
    ASSERT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
    const QByteArray report = next.readAllStandardOutput();
    const qsizetype listEnd = report.lastIndexOf('}') + 1;
    QString whyNot;
    const std::optional<StoredClipList> shown = ClipListStore::Decode(report.left(listEnd), &whyNot);
    ASSERT_TRUE(shown) << whyNot.toStdString() << "\n" << report.toStdString();
    ASSERT_EQ(shown->clips.size(), 2u);
    EXPECT_EQ(shown->clips[0], (StoredClip{a, true, 12, 60, 1, 0, 25.0f}));
    EXPECT_EQ(shown->clips[1], (StoredClip{b, true, 0, 60, 0, 0, 25.0f}));
    EXPECT_EQ(shown->currentIndex, 0);
    EXPECT_EQ(report.mid(listEnd).trimmed(), QByteArray()) << "no message at the start";
}

TEST_F(ClipListProcess, TheRealProgramKilledWithTwoFilesComesBackWithTheOneLeftAndNamesTheGoneOne)
{
    if (!QFile::exists(platform::ProgramFolder() + platform::MapLibraryName("Korvid.dll")))
        GTEST_SKIP() << "no engine library in " << platform::ProgramFolder().toStdString();
    if (QApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "the program's accessibility needs a real X server (xvfb-run)";
    if (!QFile::exists(AccessibilityReader::kBusLauncher))
        GTEST_SKIP() << "no accessibility bus launcher (at-spi2-core)";
    BusServices session;
    ASSERT_TRUE(session.Running());
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS")));
    environment_.insert("QT_QPA_PLATFORM", "xcb");
    environment_.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    AccessibilityReader reader;
    ASSERT_TRUE(reader.Start(environment_.value("DBUS_SESSION_BUS_ADDRESS"), environment_));
    const QString kept = fixtures::OneAudioTrack(home_.filePath("kept.mp4"));
    const QString gone = fixtures::OneAudioTrack(home_.filePath("gone soon.mp4"));
    ASSERT_FALSE(kept.isEmpty() || gone.isEmpty());
    const QString program = platform::ProgramFolder() + QStringLiteral("PelorinVideoConverter");

    QProcess first;
    Start(first, program, {kept, gone});
    const auto bothKept = WaitForKeptList([](const StoredClipList &list) { return list.clips.size() == 2; }, 120);
    ASSERT_TRUE(bothKept) << first.readAllStandardError().toStdString();
    EXPECT_EQ(FilesOf(*bothKept), (QStringList{kept, gone}));
    first.kill();   // SIGKILL: no clean-up, no quitting signal
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(QFile::remove(gone));

    QProcess next;
    Start(next, program, {});
    // The restore rewrites the list without the gone file while its message waits for the user.
    const auto restored = WaitForKeptList([](const StoredClipList &list) { return list.clips.size() == 1; }, 120);
    const QString message = reader.WaitForName(QStringLiteral("no longer exist"), 60);
    next.kill();
    next.waitForFinished(10000);
    ASSERT_TRUE(restored) << next.readAllStandardError().toStdString();
    EXPECT_EQ(FilesOf(*restored), QStringList{kept});
    EXPECT_TRUE(message.contains(gone)) << "message: " << message.toStdString();
    EXPECT_FALSE(message.contains(kept)) << message.toStdString();
}

} // namespace
