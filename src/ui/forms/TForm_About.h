#pragma once
// The about box: version, build date, links to the home page and to support.

#include "controls/SkinnedForm.h"

class TForm_About : public SkinnedDialog {
    Q_OBJECT
public:
    // The README in `programFolder` stands for the home page when there is no web site.
    explicit TForm_About(const QString &programFolder, QWidget *parent = nullptr);

    void suiButton1Click();

private:
    void AddLink(const char *captionName, const QString &caption, const char *linkName, const QString &address, int top);
};
