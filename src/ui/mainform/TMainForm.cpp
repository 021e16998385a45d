#include "mainform/TMainForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <cfenv>

#include "Desktop.h"
#include "EngineClient.h"
#include "EngineWindow.h"
#include "LibraryLoader.h"
#include "ModalQuestions.h"
#include "ProductInfo.h"
#include "ProductTexts.h"
#include "ProgramOptions.h"
#include "SettingsFolder.h"
#include "TargetCatalogue.h"
#include "controls/FieldColours.h"
#include "controls/PictureButton.h"
#include "controls/SkinnedForm.h"
#include "forms/ProgramWindows.h"
#include "mainform/CoreList.h"
#include "mainform/MainFormLayout.h"
#include "mainform/ParameterPanelLayout.h"
#include "mainform/TargetButtonsLayout.h"
#include "mainform/TargetSelector.h"
#include "skin/CursorFile.h"
#include "skin/Skin.h"

TMainForm::TMainForm(ProgramOptions &options, ProgramWindows *windows)
    : QWidget(nullptr), options_(options), windows_(windows), engineWindow_(std::make_unique<platform::EngineWindow>(this))
{
    // Faults inside the engine and the media library give special values, not traps.
    fedisableexcept(FE_ALL_EXCEPT);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kDisplayTitle);
    setStyleSheet(skin::StyleSheet());
    BuildControls();
    FormCreate();
    ConnectHandlers();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildControls()
{
    QLabel *background = DressWithBackground(this, skin::Background(QStringLiteral("MAIN")));
    BuildTitleBar(this);
    BuildClipListArea(this);
    BuildPreviewArea(this);
    BuildParameterPanel(this);
    BuildDvdPanel(this);
    BuildTargetButtons(this);
    BuildBottomBar(this);
    BuildHiddenPictures(this);
    FieldColours::Follow(this);
    seekingLabel_ = findChild<QLabel *>(QStringLiteral("Label_Info"));
    outputFolderEdit_ = findChild<QLineEdit *>(QStringLiteral("suiEdit_OutputFolder"));
    updateTimer_ = new QTimer(this);
    updateTimer_->setObjectName(QStringLiteral("Timer_Update"));
    updateTimer_->setInterval(10000);

    auto *dragger = new WindowDragger(this, WindowDragger::Mode::FollowCursor);
    dragger->AddHandle(background);
    dragger->AddHandle(findChild<QLabel *>(QStringLiteral("Image")));
    targetSelector_ = new TargetSelector({this, findChild<QWidget *>(QStringLiteral("DVDPanel")),
                                           findChild<QComboBox *>(QStringLiteral("suiComboBox_PF")),
                                           [this](int target) { SelectTarget(target); },
                                           [this](int category) { PlaceSharedTargetButtons(this, category); }});
}

void TMainForm::FormCreate()
{
    LocaleLanguage = platform::LocaleEnglishLanguageName().left(30).toUpper();
    skin::RegisterCursors(options_.ProgramFolder());
    for (const char *handle : {"Image_Left", "Image_Right"})
        findChild<QWidget *>(QLatin1String(handle))->setCursor(skin::RegisteredCursor(skin::kDragCursor));
    findChild<QWidget *>(QStringLiteral("Panel_AddProgress"))->raise();
    findChild<QWidget *>(QStringLiteral("Panel_Intro"))->raise();
    FillCoreList();
    targetSelector_->RegisterTypes();
}

void TMainForm::FillCoreList()
{
    const CoreListChoices choices = CoreListForCount(EngineClient::CoreCount());
    auto *cores = findChild<QComboBox *>(QStringLiteral("suiComboBox_CPU"));
    cores->clear();
    cores->addItems(choices.items);
    cores->setCurrentIndex(choices.selectedIndex);
    cores->setEnabled(choices.enabled);
}

void TMainForm::ConnectHandlers()
{
    const std::pair<const char *, void (TMainForm::*)()> handlers[] = {
        {"suiImageButton_Close", &TMainForm::suiImageButton_CloseClick},
        {"suiImageButton_Min", &TMainForm::suiImageButton_MinClick},
        {"suiImageButton_Browse", &TMainForm::suiImageButton_BrowseClick},
        {"suiImageButton_Open", &TMainForm::suiImageButton_OpenClick},
        {"suiImageButton_About", &TMainForm::suiImageButton_AboutClick},
        {"suiImageButton_Home", &TMainForm::suiImageButton_HomeClick},
        {"suiImageButton_Mail", &TMainForm::suiImageButton_MailClick},
    };
    for (const auto &[name, handler] : handlers)
        connect(findChild<PictureButton *>(QLatin1String(name)), &PictureButton::clicked, this, handler);
    // No support address, no contact button.
    findChild<PictureButton *>(QStringLiteral("suiImageButton_Mail"))->setVisible(!product::SupportAddress().isEmpty());
    connect(updateTimer_, &QTimer::timeout, this, &TMainForm::Timer_UpdateTimer);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TMainForm::FormShow()
{
    findChild<QWidget *>(QStringLiteral("Panel_AddProgress"))->hide();
    outputFolderEdit_->setText(options_.outputFolder);
    seekingLabel_->hide();
    findChild<QWidget *>(QStringLiteral("Panel_Intro"))->show();
    CurTargetType = -1;
    targetSelector_->SelectStartTarget(targets::TargetNumberOfName(options_.lastTarget));
    update();
    updateTimer_->start();
}

void TMainForm::SetSelectTargetHandler(std::function<void(int target)> handler)
{
    selectTargetHandler_ = std::move(handler);
}

void TMainForm::SelectTarget(int target)
{
    if (selectTargetHandler_) {
        selectTargetHandler_(target);
        return;
    }
    CurTargetType = target;
    outputFolderEdit_->setText(options_.outputFolder + targets::TargetFolder(target));
}

bool TMainForm::PreviewIsSeeking() const
{
    return !seekingLabel_->isHidden();
}

void TMainForm::SaveOptions()
{
    if (windows_ && windows_->OptionForm)
        windows_->OptionForm->SaveGeneralSettings();
}

void TMainForm::suiImageButton_CloseClick()
{
    if (PreviewIsSeeking()) {
        platform::Questions().Information(this, kDisplayTitle, QStringLiteral("Seeking disc, please waiting."));
        return;
    }
    SaveOptions();
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (PreviewIsSeeking()) {
        event->ignore();
        return;
    }
    if (targets::IsSelectableTarget(CurTargetType)) {
        options_.lastTarget = targets::TargetName(CurTargetType);
        options_.SaveLastTarget();
    }
    QWidget::closeEvent(event);
}

void TMainForm::suiImageButton_MinClick()
{
    showMinimized();
}

void TMainForm::suiImageButton_BrowseClick()
{
    QString folder = platform::Questions().ChooseFolder(this, QStringLiteral("Please select an output folder:"),
                                                        options_.outputFolder);
    if (folder.isEmpty())
        return;
    update();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    options_.outputFolder = folder;
    SaveOptions();
    outputFolderEdit_->setText(options_.outputFolder + targets::TargetFolder(CurTargetType));
}

void TMainForm::suiImageButton_OpenClick()
{
    platform::CurrentDesktop().OpenFolder(outputFolderEdit_->text());
}

void TMainForm::suiImageButton_AboutClick()
{
    if (windows_ && windows_->Form_About)
        platform::Questions().Exec(*windows_->Form_About);
}

void TMainForm::suiImageButton_HomeClick()
{
    product::OpenLink(this, product::HomePageAddress(options_.ProgramFolder()));
}

void TMainForm::suiImageButton_MailClick()
{
    product::OpenLink(this, product::SupportAddress());
}

void TMainForm::Timer_UpdateTimer()
{
    updateTimer_->stop();
}

KorvidWindow *TMainForm::EngineWindowHandle() const
{
    return engineWindow_->Handle();
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() != platform::EngineMessageEvent::EventType())
        return QWidget::event(event);
    const auto *message = static_cast<platform::EngineMessageEvent *>(event);
    emit EngineMessage(message->message, message->wparam, message->lparam);
    return true;
}
