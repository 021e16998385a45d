// The controls of the clip list: taken over from the main window by name, or
// built inside the panel when there is no such window.

#include "ClipListPanel.h"
#include "FpsSelecteContent.h"
#include "ListScrolling.h"
#include "RowColumns.h"
#include "TrimEdits.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int kListWidth = TInfoListItem::kWidth;
constexpr int kShownHeight = listscroll::kRowHeight * listscroll::kShownRows;
constexpr int kBarWidth = 14;
constexpr int kThumbHeight = kShownHeight - listscroll::kThumbTopMax;

template <typename Widget = QWidget>
Widget *Named(QWidget *form, const char *name)
{
    return form ? form->findChild<Widget *>(QLatin1String(name)) : nullptr;
}

QWidget *Panel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

bool ClipListPanel::AdoptControls(QWidget *form)
{
    Panel_Info = Named(form, "Panel_Info");
    suiImagePanel_InfoMove = Named(form, "suiImagePanel_InfoMove");
    Panel_Bar = Named(form, "Panel_Bar");
    Image_Bar = Named(form, "Image_Bar");
    Panel_Intro = Named(form, "Panel_Intro");
    Panel_AddProgress = Named(form, "Panel_AddProgress");
    Button_CancelAdding = Named<QAbstractButton>(form, "Button_CancelAdding");
    Panel_Progress1 = Named(form, "Panel_Progress1");
    Label_Percent = Named<QLabel>(form, "Label_Percent");
    const QWidget *controls[] = {Panel_Info, suiImagePanel_InfoMove, Panel_Bar, Image_Bar, Panel_Intro,
                                 Panel_AddProgress, Button_CancelAdding, Panel_Progress1, Label_Percent};
    const bool complete = std::all_of(std::begin(controls), std::end(controls), [](const QWidget *w) { return w; });
    if (!complete)
        return false;
    // The panel lies over the form's list area and holds the rows' panel, so that
    // the form's destruction takes the panel, its clips and their rows down in
    // that order.
    setParent(Panel_Info);
    setGeometry(Panel_Info->rect());
    suiImagePanel_InfoMove->setParent(this);
    suiImagePanel_InfoMove->move(0, 0);
    suiImagePanel_InfoMove->show();
    show();
    PlaceColumnHeaders(form);
    return true;
}

// The form's column headers stand over the rows' columns.
void ClipListPanel::PlaceColumnHeaders(QWidget *form)
{
    const std::pair<const char *, rowcolumns::Column> headers[] = {
        {"Label_HeadName", rowcolumns::kName},   {"Label_HeadDuration", rowcolumns::kDuration},
        {"Label_HeadFps", rowcolumns::kFps},     {"Label_HeadSize", rowcolumns::kSize},
        {"Label_HeadStart", rowcolumns::kStart}, {"Label_HeadEnd", rowcolumns::kEnd},
        {"Label_HeadOutput", rowcolumns::kOutput},
    };
    for (const auto &[name, column] : headers) {
        if (QWidget *header = Named(form, name))
            header->setGeometry(Panel_Info->x() + column.left, header->y(), column.width, header->height());
    }
}

void ClipListPanel::BuildControls()
{
    resize(kListWidth + kBarWidth + 1, kShownHeight);
    Panel_Info = Panel(this, "Panel_Info", QRect(0, 0, kListWidth, kShownHeight));
    suiImagePanel_InfoMove = Panel(Panel_Info, "suiImagePanel_InfoMove", QRect(0, 0, kListWidth, 0));
    Panel_Bar = Panel(this, "Panel_Bar", QRect(kListWidth + 1, 0, kBarWidth, kShownHeight));
    Image_Bar = Panel(Panel_Bar, "Image_Bar", QRect(2, listscroll::kThumbTopMin, kBarWidth - 4, kThumbHeight));
    Image_Bar->setStyleSheet(QStringLiteral("background-color: #9a9a9a;"));
    Panel_Intro = Panel(this, "Panel_Intro", QRect(0, 0, kListWidth, kShownHeight));
    Panel_Intro->setStyleSheet(QStringLiteral("background-color: #ffffff;"));
    BuildProgressPanel();
}

void ClipListPanel::BuildProgressPanel()
{
    Panel_AddProgress = Panel(this, "Panel_AddProgress", QRect((kListWidth - 300) / 2, (kShownHeight - 90) / 2, 300, 90));
    Panel_AddProgress->setStyleSheet(QStringLiteral("background-color: #f0f0f0;"));
    auto *caption = new QLabel(QStringLiteral("Adding clips, please wait..."), Panel_AddProgress);
    caption->setGeometry(14, 6, 272, 18);
    QWidget *track = Panel(Panel_AddProgress, "Panel_AddTrack", QRect(14, 30, 271, 12));
    track->setStyleSheet(QStringLiteral("background-color: #d0d0d0;"));
    Panel_Progress1 = Panel(track, "Panel_Progress1", QRect(0, 0, 0, 12));
    Panel_Progress1->setStyleSheet(QStringLiteral("background-color: #3c78c8;"));
    Label_Percent = new QLabel(QStringLiteral("0"), Panel_AddProgress);
    Label_Percent->setObjectName(QStringLiteral("Label_Percent"));
    Label_Percent->setGeometry(14, 42, 60, 16);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), Panel_AddProgress);
    cancel->setObjectName(QStringLiteral("Button_CancelAdding"));
    cancel->setAccessibleName(QStringLiteral("Cancel adding clips"));
    cancel->setGeometry(206, 56, 80, 28);
    Button_CancelAdding = cancel;
    Panel_AddProgress->hide();
}

// The main window's buttons, trimming edits, seeking text and disc name field.
void ClipListPanel::ConnectFormControls(QWidget *form)
{
    const std::pair<const char *, void (ClipListPanel::*)()> commands[] = {
        {"suiImageButton_OpenDir", &ClipListPanel::suiImageButton_OpenDirClick},
        {"suiImageButton_OpenFile", &ClipListPanel::RemoveSelectedClips},
        {"suiImageButton_Clear", &ClipListPanel::ClearClipList},
    };
    for (const auto &[name, command] : commands) {
        if (auto *button = Named<QAbstractButton>(form, name))
            connect(button, &QAbstractButton::clicked, this, command);
    }
    ConnectCancelControls(form);
    auto *start = Named<QLineEdit>(form, "suiEdit_Start");
    auto *stop = Named<QLineEdit>(form, "suiEdit_Stop");
    if (start && stop) {
        const auto *outputFolder = Named<QLineEdit>(form, "suiEdit_OutputFolder");
        AttachTrimEdits(start, stop, outputFolder ? outputFolder->palette().color(QPalette::Base) : TrimEdits::kDefaultNormal);
    }
    if (const QWidget *seeking = Named(form, "Label_Info"))
        environment.previewSeeking = [seeking] { return !seeking->isHidden(); };
    if (auto *discName = Named<QLineEdit>(form, "suiEdit_DVDName"))
        connect(this, &ClipListPanel::DiscLabelFound, discName, &QLineEdit::setText);
}

void ClipListPanel::AttachTrimEdits(QLineEdit *start, QLineEdit *stop, const QColor &normalColour)
{
    delete trimEdits_;
    trimEdits_ = new TrimEdits(start, stop, this);
    trimEdits_->SetNormalColour(normalColour);
    trimEdits_->ShowClip(model_->Current());
    connect(trimEdits_, &TrimEdits::TimesEdited, this, &ClipListPanel::RefreshOutputNames);
    connect(trimEdits_, &TrimEdits::RangeStored, this, [this](TVideoInfo *clip) {
        model_->NoteEdited(*clip);
        emit TrimRangeStored(clip);
    });
}

// The progress panel's Cancel button and Escape anywhere in the window, which
// answers only while a pass runs.
void ClipListPanel::ConnectCancelControls(QWidget *form)
{
    connect(Button_CancelAdding, &QAbstractButton::clicked, this, &ClipListPanel::CancelAdding);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), form ? form : this, this, &ClipListPanel::CancelAdding);
    escape->setContext(Qt::WindowShortcut);
    escape->setEnabled(false);
    connect(model_, &ClipListModel::BusyChanged, escape, &QShortcut::setEnabled);
}
