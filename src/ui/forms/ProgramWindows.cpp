#include "forms/ProgramWindows.h"

#include "controls/CaptionNames.h"
#include "skin/ProgramStyle.h"

namespace {

template <typename Form>
void create(std::unique_ptr<Form> &slot, const std::function<void()> &afterEach, auto &&...arguments)
{
    slot = std::make_unique<Form>(arguments...);
    if (afterEach)
        afterEach();
}

} // namespace

ProgramWindows::ProgramWindows(const QString &programFolder, const std::function<void()> &afterEach)
    : Options(ProgramOptions::StartProgram(programFolder))
{
    skin::ApplyProgramLook();
    create(MainForm, afterEach, Options, this);
    create(OptionForm, afterEach, Options);
    create(ProcessForm, afterEach, Options);
    create(Form_About, afterEach, Options.ProgramFolder());
    create(RenameForm, afterEach, Options);
    create(FPSSelecteForm, afterEach);
    create(NoticeForm, afterEach);
    for (QWidget *window : std::initializer_list<QWidget *>{MainForm.get(), OptionForm.get(), ProcessForm.get(),
                                                            Form_About.get(), RenameForm.get(), FPSSelecteForm.get()})
        NameFieldsByTheirCaptions(*window);
}

// The main window goes first, as the message loop ends with it; the others follow in creation order.
ProgramWindows::~ProgramWindows()
{
    MainForm.reset();
    OptionForm.reset();
    ProcessForm.reset();
    Form_About.reset();
    RenameForm.reset();
    FPSSelecteForm.reset();
    NoticeForm.reset();
}
