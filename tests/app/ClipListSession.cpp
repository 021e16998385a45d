// The program's windows as a process of their own, for ClipListProcessTest: its
// settings come from $XDG_CONFIG_HOME, the scripted engine reads every file named as
// a minute-long clip, and modal questions are answered by the script.
//
//   app_clip_list_session edit FILE...   adds the files, starts the first clip at 00:00:12,
//                                        picks its second audio row, prints "edited"
//                                        from its event loop, and runs until killed
//   app_clip_list_session report FILE... prints the list the start put back (the files
//                                        are only known to the engine) as the kept
//                                        list's JSON, then the messages shown, and ends

#include "ClipListPanel.h"
#include "ClipListStore.h"
#include "LibraryLoader.h"
#include "ProgramParts.h"
#include "ScriptedQuestions.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void Print(const QByteArray &text)
{
    std::fputs(text.constData(), stdout);
    std::fflush(stdout);
}

void EditFirstClip(ProgramWindows &windows, ClipListPanel &clipList)
{
    auto *start = windows.MainForm->findChild<QLineEdit *>(QStringLiteral("suiEdit_Start"));
    start->selectAll();
    QTest::keyClicks(start, QStringLiteral("000012"));
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(start, &leaving);
    auto *secondAudio = static_cast<TInfoListItem *>(clipList.Model().Clips().front()->AudioRows.at(1).get());
    QTest::mouseClick(secondAudio->findChild<QLabel *>(QStringLiteral("CheckImage")), Qt::LeftButton);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    const bool editing = arguments.value(0) == QLatin1String("edit");
    const QStringList files = arguments.mid(1);
    TestEngine engine;
    for (const QString &file : files)
        engine.SetProbe(file, TestEngine::VideoInfo(60, 25.0f, 320, 240));
    ScriptedQuestions questions;
    ProgramWindows windows(platform::ProgramFolder());
    const ProgramParts parts = AttachProgramParts(windows);
    windows.MainForm->show();
    ClipListPanel *clipList = parts.clipList;
    OpenStartFiles(parts, editing ? files : QStringList());
    if (!editing) {
        if (!QTest::qWaitFor([&] { return !clipList->Model().Busy(); }, 30000))
            return 1;
        Print(ClipListStore::Encode(StoredListOf(clipList->Model().Clips(), clipList->Model().Current())));
        Print(questions.Texts(ScriptedQuestions::Kind::Information).join(QLatin1Char('\n')).toUtf8());
        return 0;
    }
    if (!QTest::qWaitFor([&] { return clipList->Model().Clips().size() == static_cast<size_t>(files.size()) && !clipList->Model().Busy(); }, 30000))
        return 1;
    EditFirstClip(windows, *clipList);
    // Said from the event loop, after what the edits posted to it.
    QTimer::singleShot(0, [] { Print("edited\n"); });
    return application.exec();
}
