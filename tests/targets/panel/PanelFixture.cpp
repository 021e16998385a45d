#include "PanelFixture.h"

#include "LibraryLoader.h"
#include "ProgramParts.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

PanelFixture::~PanelFixture()
{
    Finish();
    platform::SetProgramFolderForTesting({});
}

void PanelFixture::StartWithShippedDefinitions()
{
    QFile shipped(QStringLiteral(PELORIN_SHIPPED_DEFINITIONS));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    StartWithDefinitions(shipped.readAll());
}

void PanelFixture::StartWithDefinitions(const QByteArray &iniText)
{
    sandbox.WriteProgramFile(QStringLiteral("PfDef.dll"), iniText);
    platform::SetProgramFolderForTesting(sandbox.ProgramFolder());
    StartWithProgramParts();
}

void PanelFixture::StartWithProgramParts()
{
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    AttachProgramParts(*windows);
    panel = Form().findChild<ParameterPanel *>();
    clipList = Form().findChild<ClipListPanel *>();
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(clipList, nullptr);
    Form().show();
    QApplication::processEvents();
}

QStringList PanelFixture::Items(const char *name)
{
    return ItemTexts(*List(name));
}

void PanelFixture::TypeAndLeave(const char *fieldName, int value)
{
    auto *field = Control<QSpinBox>(fieldName);
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, QString::number(value));
    field->clearFocus();
}

void PanelFixture::ShowClip(int width, int height)
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->Width = width;
    clip->Height = height;
    TVideoInfo *shown = clip.get();
    clipList->Model().Append(std::move(clip));
    clipList->Model().SetCurrent(shown);
}

TVideoInfo &PanelFixture::AddClip(const QString &fileName)
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->FileName = fileName;
    TVideoInfo &added = *clip;
    clipList->Model().Append(std::move(clip));
    return added;
}
