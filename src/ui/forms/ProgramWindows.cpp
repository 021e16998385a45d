#include "forms/ProgramWindows.h"

#include "controls/CaptionNames.h"
#include "skin/ProgramStyle.h"

namespace {

template <typename Form>
void Create(std::unique_ptr<Form> &slot, const std::function<void()> &afterEach, auto &&...arguments)
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
    Create(MainForm, afterEach, Options, this);
    Create(OptionForm, afterEach, Options);
    Create(ProcessForm, afterEach, Options);
    Create(Form_About, afterEach, Options.ProgramFolder());
    Create(RenameForm, afterEach, Options);
    Create(FPSSelecteForm, afterEach);
    Create(NoticeForm, afterEach);
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
