#pragma once
// TestAuthoring: the scripted authoring library for tests of the program.
//
// The program loads "dvdauthor.dll" (libdvdauthor.so) by bare name, from its folder
// first. The scripted one is built beside the test engine, in <build>/test-engine/, so a
// run through TestEngine finds it; TestAuthoring loads that copy and keeps it loaded so
// its records survive the program's own load and release. author_main records the
// description it is given and answers with setResult's value (0 at first).
//
// The variant "test-authoring-incomplete" lacks getVOBsMB; "test-authoring-unstoppable"
// lacks the optional author_progress and author_stop. TestAuthoring does not change
// the program's folder; TestEngine does, or the test sets it with
// platform::SetProgramFolderForTesting(TestAuthoring::Folder(variant)).

#include <QByteArray>
#include <QString>

class TestAuthoring {
public:
    explicit TestAuthoring(const QString &variant = QStringLiteral("test-engine"));
    ~TestAuthoring();
    TestAuthoring(const TestAuthoring &) = delete;
    TestAuthoring &operator=(const TestAuthoring &) = delete;

    // <build>/<variant>/, the folder holding that variant's libdvdauthor.so.
    static QString Folder(const QString &variant = QStringLiteral("test-engine"));

    void SetResult(int result);
    // author_main makes half a DVD folder, reports `percent` and waits for author_stop.
    void HoldUntilStopped(int percent);
    bool WaitUntilRunning(int milliseconds) const;
    int Calls() const;
    QString LastPath() const;
    QByteArray LastDescription() const;   // the description's bytes when author_main was called

private:
    QByteArray Last(int which) const;
    void *handle_;
};
