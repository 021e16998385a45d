#pragma once
// Shell services: opening folders, pages and mail, showing a file in the file
// manager, powering the machine off, and the desktop's run services (notification,
// sleep inhibitor, task bar progress). Tests install a recording double.

#include <QString>

namespace platform {

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool OpenFolder(const QString &folder) = 0;
    virtual bool OpenUrl(const QString &url) = 0;          // web page or "mailto:" address
    virtual bool ShowFileInFolder(const QString &file) = 0; // FileManager1 ShowItems, else opens the folder
    virtual bool PowerOff() = 0;                             // logind PowerOff

    // A freedesktop notification whose "Open Folder" action opens `folder`; false without a service.
    virtual bool Notify(const QString &summary, const QString &body, const QString &folder) = 0;
    // Holds logind's "sleep:idle" inhibitor lock until released (one at a time).
    virtual bool InhibitSleep(const QString &reason) = 0;
    virtual void ReleaseSleep() = 0;
    // The task bar entry's progress (0..1); a negative value hides it.
    virtual void ShowTaskbarProgress(double fraction) = 0;
};

Desktop &CurrentDesktop();
void SetDesktopForTesting(Desktop *replacement);   // nullptr restores the real one

} // namespace platform
