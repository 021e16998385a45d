// The real questions, answered by a timer that presses a button of whatever
// modal window is up (offscreen, so nothing appears on a screen).

#include "ModalQuestions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses the button `buttonText` of the next modal message box; records what it showed.
struct BoxAnswerer {
    explicit BoxAnswerer(const QString &buttonText)
    {
        QTimer::singleShot(0, [this, buttonText] { Answer(buttonText); });
    }
    void Answer(const QString &buttonText)
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this, buttonText] { Answer(buttonText); });
            return;
        }
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == buttonText)
                return button->click();
        }
        ADD_FAILURE() << "no button " << buttonText.toStdString();
        box->done(QMessageBox::Abort);   // never leave the test waiting
    }
    QString title;
    QString text;
};

TEST(ModalQuestions, InformationShowsItsTitleAndText)
{
    BoxAnswerer answerer(QStringLiteral("OK"));
    platform::Questions().Information(nullptr, QStringLiteral("Pelorin"), QStringLiteral("Process Finished!"));
    EXPECT_EQ(answerer.title, QStringLiteral("Pelorin"));
    EXPECT_EQ(answerer.text, QStringLiteral("Process Finished!"));
}

TEST(ModalQuestions, ConfirmAndOkCancelReportTheButtonPressed)
{
    {
        BoxAnswerer answerer(QStringLiteral("Yes"));
        EXPECT_TRUE(platform::Questions().Confirm(nullptr, QString(), QStringLiteral("Delete?")));
    }
    {
        BoxAnswerer answerer(QStringLiteral("No"));
        EXPECT_FALSE(platform::Questions().Confirm(nullptr, QString(), QStringLiteral("Delete?")));
    }
    {
        BoxAnswerer answerer(QStringLiteral("Cancel"));
        EXPECT_FALSE(platform::Questions().OkCancel(nullptr, QString(), QStringLiteral("Go on?")));
    }
}

TEST(ModalQuestions, ExecRunsTheDialogModallyAndReturnsItsResult)
{
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_TRUE(dialog.isModal());
        dialog.done(5);
    });
    EXPECT_EQ(platform::Questions().Exec(dialog), 5);
}

TEST(ModalQuestions, SaveFileTellsWhichFilterWasSelectedAndAsksNothingAboutAnExistingFile)
{
    QTemporaryDir folder;
    const QString chosen = folder.filePath(QStringLiteral("shot"));
    QFile existing(chosen);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QTimer::singleShot(2000, [] {   // a replace question would otherwise keep the test waiting
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "asked: " << box->text().toStdString();
            box->reject();
            QTimer::singleShot(0, [] {
                if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                    dialog->reject();
            });
        }
    });
    QTimer::singleShot(0, [chosen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectNameFilter(QStringLiteral("BMP (*.bmp)"));
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");   // the Save button
    });
    const platform::SaveFileChoice choice = platform::Questions().SaveFileChoosingFilter(
        nullptr, QString(), folder.filePath(QStringLiteral("Picture")), QStringLiteral("JPG (*.jpg);;BMP (*.bmp)"));
    EXPECT_EQ(choice.path, chosen);
    EXPECT_EQ(choice.filterIndex, 2);
}

} // namespace
