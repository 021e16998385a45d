// The upload from the progress window, offscreen, with temporary folders standing in
// for the mounted volumes: after a PSP run the "Upload Now" link or the end of the run
// copies the checked clips' files to the PSP found among the removable volumes.

#include "ProcessRun.h"

#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "ProgramOptions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "Volumes.h"
#include "forms/TProcessForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace conversion {
namespace {

using Kind = platform::Volume::Kind;

const QString kNoPsp = QStringLiteral("Can not find PSP Video folder.\nPlease check your PSP connection!");
const QString kFinished = QStringLiteral("Upload to PSP finish!");

class PspUploadWindowTest : public testing::Test {
protected:
    PspUploadWindowTest()
    {
        form_ = std::make_unique<TProcessForm>(options_);
        run_ = new ProcessRun(*form_, options_);
        Choose("suiCheckBox_PowerOff", false);
        Choose("suiCheckBox_Upload", false);
        platform::SetVolumeSourceForTesting([this] { return volumes_; });
        options_.psp.upload = QStringLiteral("PSP\\VIDEO\\");
        options_.psp.avc = QStringLiteral("MP_ROOT\\100ANV01\\");
        options_.psp.mp4 = QStringLiteral("MP_ROOT\\100MNV01\\");
    }

    ~PspUploadWindowTest() override
    {
        form_.reset();
        platform::SetVolumeSourceForTesting({});
    }

    // A removable volume at a fresh folder, with `folders` made under it.
    QString AddVolume(const QString &name, Kind kind, const QStringList &folders)
    {
        const QString root = temp_.path() + QStringLiteral("/volumes/") + name + QLatin1Char('/');
        QDir().mkpath(root);
        for (const QString &folder : folders)
            QDir().mkpath(root + folder);
        volumes_.append({root, name, kind});
        return root;
    }

    // A PSP with the usual folders.
    QString AddPsp(const QString &name)
    {
        return AddVolume(name, Kind::Removable,
                         {QStringLiteral("PSP/VIDEO"), QStringLiteral("MP_ROOT/100ANV01"), QStringLiteral("MP_ROOT/100MNV01")});
    }

    // A converted clip of the list; its file is written when `bytes` is not negative.
    QString AddClip(const QString &fileName, qint64 bytes, bool checked = true)
    {
        const QString path = temp_.path() + QStringLiteral("/Output/PSP/") + fileName;
        if (bytes >= 0) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(bytes, 'v'));
        }
        clips_.append({checked, path, QStringLiteral("name of ") + fileName});
        return path;
    }

    // A PSP run over no clips: it ends at once and, without the upload ticked, leaves
    // the window open with "Upload Now" enabled.
    void FinishPspRun()
    {
        RunRequest request;
        request.settings.target = targets::TargetPSP;
        request.settings.outputFolder = temp_.path() + QStringLiteral("/Output/");
        request.clipAt = [](int) { return std::nullopt; };
        request.uploadClips = [this] { return clips_; };
        questions_.AnswerExec([this](QDialog &dialog) {
            dialog.show();
            QDeadlineTimer deadline(30000);
            while (run_->Converting() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            EXPECT_FALSE(run_->Converting());
            QCoreApplication::processEvents();
            return dialog.result();
        });
        run_->StartConversion(std::move(request));
    }

    void ClickUploadNow() { QTest::mouseClick(Label("Label_Upload"), Qt::LeftButton); }

    void Choose(const char *name, bool on) { form_->findChild<QCheckBox *>(QLatin1String(name))->setChecked(on); }
    QLabel *Label(const char *name) const { return form_->findChild<QLabel *>(QLatin1String(name)); }
    QAbstractButton *Button(const char *name) const { return form_->findChild<QAbstractButton *>(QLatin1String(name)); }
    QStringList Informations() const { return questions_.Texts(ScriptedQuestions::Kind::Information); }
    QStringList Errors() const { return questions_.Texts(ScriptedQuestions::Kind::Error); }

    SettingsSandbox sandbox_;
    ProgramOptions options_ = sandbox_.StartOptions();
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;   // no notification or sleep lock reaches the real desktop
    QTemporaryDir temp_;
    QList<platform::Volume> volumes_;
    QList<UploadClip> clips_;
    std::unique_ptr<TProcessForm> form_;
    ProcessRun *run_;
};

TEST_F(PspUploadWindowTest, UploadNowCopiesTheCheckedClipsIntoTheirFolders)
{
    AddVolume(QStringLiteral("a-fixed"), Kind::Fixed, {QStringLiteral("PSP/VIDEO")});
    AddVolume(QStringLiteral("b-stick"), Kind::Removable, {});
    const QString psp = AddPsp(QStringLiteral("c-psp"));
    const QString later = AddPsp(QStringLiteral("d-psp"));
    AddClip(QStringLiteral("MAQ10001.MP4"), 3000);
    AddClip(QStringLiteral("M4V10002.MP4"), 0);
    AddClip(QStringLiteral("clip.mp4"), 1000);
    AddClip(QStringLiteral("MAQ10004.MP4"), 10, false);
    FinishPspRun();
    ASSERT_EQ(Informations(), QStringList{QStringLiteral("Process finished!\nYou can upload files to your PSP.")});
    ASSERT_TRUE(Label("Label_Upload")->isEnabled());

    ClickUploadNow();
    EXPECT_EQ(Informations().last(), kFinished);
    EXPECT_TRUE(Errors().isEmpty()) << Errors().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QFileInfo(psp + QStringLiteral("MP_ROOT/100ANV01/MAQ10001.MP4")).size(), 3000);
    EXPECT_TRUE(QFileInfo(psp + QStringLiteral("MP_ROOT/100MNV01/M4V10002.MP4")).isFile());
    EXPECT_EQ(QFileInfo(psp + QStringLiteral("clip.mp4")).size(), 1000);
    EXPECT_FALSE(QFile::exists(psp + QStringLiteral("MP_ROOT/100ANV01/MAQ10004.MP4"))) << "unchecked";
    EXPECT_EQ(QDir(later).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList()) << "only the first PSP";
    EXPECT_EQ(Label("Label_Percent")->text(), QStringLiteral("100"));
    EXPECT_TRUE(Label("Label_CopyFile")->text().isEmpty());
    EXPECT_TRUE(Label("Label_Upload")->isEnabled());
    EXPECT_TRUE(Button("suiImageButton_Close")->isEnabled());
    EXPECT_TRUE(form_->isVisible());

    ClickUploadNow();   // again: the same files are written over
    EXPECT_EQ(Informations().count(kFinished), 2);
    EXPECT_EQ(QFileInfo(psp + QStringLiteral("clip.mp4")).size(), 1000);
}

TEST_F(PspUploadWindowTest, WhileCopyingTheWindowShowsTheFileAndCannotClose)
{
    const QString psp = AddPsp(QStringLiteral("psp"));
    AddClip(QStringLiteral("big.mp4"), 2 * 1024 * 1024);
    FinishPspRun();
    QString copyText;
    bool closeEnabled = true;
    bool stopEnabled = true;
    bool uploadEnabled = true;
    bool visibleAfterClose = false;
    QTimer::singleShot(0, form_.get(), [&] {
        copyText = Label("Label_CopyFile")->text();
        closeEnabled = Button("suiImageButton_Close")->isEnabled();
        stopEnabled = Button("suiImageButton_StopConvert")->isEnabled();
        uploadEnabled = Label("Label_Upload")->isEnabled();
        ClickUploadNow();   // disabled: no second upload inside the first
        form_->close();
        form_->reject();
        visibleAfterClose = form_->isVisible();
    });
    run_->Label_UploadClick();
    EXPECT_EQ(copyText, QStringLiteral("Uploading : name of big.mp4 to PSP."));
    EXPECT_FALSE(closeEnabled);
    EXPECT_FALSE(stopEnabled);
    EXPECT_FALSE(uploadEnabled);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(Informations().count(kFinished), 1);
    EXPECT_EQ(QFileInfo(psp + QStringLiteral("big.mp4")).size(), 2 * 1024 * 1024);
    EXPECT_FALSE(run_->Uploading());
    form_->reject();
    EXPECT_FALSE(form_->isVisible()) << "closing works again after the upload";
}

TEST_F(PspUploadWindowTest, AMissingFileIsToldOnceAndTheNextIsStillCopied)
{
    const QString psp = AddPsp(QStringLiteral("psp"));
    const QString missing = AddClip(QStringLiteral("first.mp4"), -1);
    AddClip(QStringLiteral("second.mp4"), 100);
    FinishPspRun();
    ClickUploadNow();
    EXPECT_EQ(Errors(), QStringList{QStringLiteral("Can not find srcfile : \n") + missing + QLatin1Char('\n')});
    EXPECT_TRUE(QFileInfo(psp + QStringLiteral("second.mp4")).isFile());
    EXPECT_EQ(Informations().last(), kFinished);
}

TEST_F(PspUploadWindowTest, ADeviceGoneDuringTheCopyIsToldAndEndsTheUpload)
{
    const QString psp = AddPsp(QStringLiteral("psp"));
    AddClip(QStringLiteral("big.mp4"), 2 * 1024 * 1024);
    AddClip(QStringLiteral("next.mp4"), 100);
    FinishPspRun();
    QTimer::singleShot(0, form_.get(), [&] { QDir(psp).removeRecursively(); });
    ClickUploadNow();
    ASSERT_EQ(Errors().size(), 1);
    EXPECT_TRUE(Errors().first().startsWith(QStringLiteral("Can not write to PSP : \n") + psp + QStringLiteral("big.mp4\n")))
        << Errors().first().toStdString();
    EXPECT_FALSE(Informations().contains(kFinished)) << "a failed upload is not reported as finished";
    EXPECT_FALSE(QFile::exists(psp + QStringLiteral("next.mp4")));
    EXPECT_TRUE(Label("Label_Upload")->isEnabled());
    EXPECT_TRUE(Button("suiImageButton_Close")->isEnabled());
    EXPECT_TRUE(Label("Label_CopyFile")->text().isEmpty());
}

TEST_F(PspUploadWindowTest, NoPspOrNoClips)
{
    AddVolume(QStringLiteral("stick"), Kind::Removable, {});
    AddClip(QStringLiteral("clip.mp4"), 10);
    FinishPspRun();
    ClickUploadNow();
    EXPECT_EQ(Informations().last(), kNoPsp);

    options_.psp.upload.clear();   // any removable volume is the PSP
    clips_.clear();
    ClickUploadNow();
    EXPECT_EQ(Informations().last(), kNoPsp) << "an empty list ends the upload without a message";
    AddClip(QStringLiteral("clip.mp4"), 10);
    ClickUploadNow();
    EXPECT_EQ(Informations().last(), kFinished);
    EXPECT_TRUE(QFile::exists(volumes_.first().mountPoint + QStringLiteral("clip.mp4")));
}

TEST_F(PspUploadWindowTest, TheTickedUploadRunsAtTheEndOfTheRunAndCloses)
{
    const QString psp = AddPsp(QStringLiteral("psp"));
    AddClip(QStringLiteral("clip.mp4"), 10);
    Choose("suiCheckBox_Upload", true);
    FinishPspRun();
    EXPECT_EQ(Informations(), QStringList{kFinished});
    EXPECT_TRUE(QFile::exists(psp + QStringLiteral("clip.mp4")));
    EXPECT_FALSE(form_->isVisible());
}

} // namespace
} // namespace conversion
