#pragma once
// The program's windows with the program's wiring (AttachProgramParts), offscreen, in a
// private settings world, reading either the shipped definition file or a small one.

#include "MainWindowFixture.h"

#include <QComboBox>
#include <memory>

#include "ClipListPanel.h"
#include "ParameterPanel.h"

class PanelFixture : public MainWindowFixture {
protected:
    ~PanelFixture() override;

    // Shows the main window, which selects the start target (iPod).
    void StartWithShippedDefinitions();
    void StartWithDefinitions(const QByteArray &iniText);

    QComboBox *List(const char *name) { return Control<QComboBox>(name); }
    QStringList Items(const char *name);
    bool Shown(const char *name) { return Control(name)->isVisibleTo(&Form()); }
    // Leaves a size field as the user does after typing `value`.
    void TypeAndLeave(const char *fieldName, int value);
    // A clip of that size becomes the one shown in the detail area.
    void ShowClip(int width, int height);
    TVideoInfo &AddClip(const QString &fileName);

    ParameterPanel *panel = nullptr;
    ClipListPanel *clipList = nullptr;

private:
    void StartWithProgramParts();
};
