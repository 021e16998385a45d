#pragma once
// Shell services: opening folders, pages and mail, showing a file in the file
// manager, and powering the machine off. Tests install a recording double.

#include <QString>

namespace platform {

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openFolder(const QString &folder) = 0;
    virtual bool openUrl(const QString &url) = 0;          // web page or "mailto:" address
    virtual bool showFileInFolder(const QString &file) = 0; // FileManager1 ShowItems, else opens the folder
    virtual bool powerOff() = 0;                             // logind PowerOff
};

Desktop &desktop();
void SetDesktopForTesting(Desktop *replacement);   // nullptr restores the real one

} // namespace platform
