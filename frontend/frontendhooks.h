#pragma once

// The points where the front end reaches outside itself: device selection and the online update
// check (their dialogs talk to the update server), the desktop (opening URLs, starting the file
// manager), modal dialogs that wait for the user and ending the process. Each answers as the
// program needs by default; tests put in their own answers. (The update dialogs themselves have
// their seams in update/updateseams.h.)

#include <QString>

#include <functional>

class EULADlg;
class FrontEnd;
class QUrl;

class FrontEndHooks
{
public:
    // In place of device selection before the language picker (true: go on; false: end with
    // 0), for tests that are about something else.
    using DeviceSelection = std::function<bool(FrontEnd *)>;
    // In place of the online check of a disc-only catalogue (true: go on; false: a newer setup
    // was started and the window closes).
    using UpdateCheck = std::function<bool(FrontEnd *)>;
    using OpenUrl = std::function<bool(const QUrl &)>;
    // Starts program with one argument, not waiting for it.
    using StartDetached = std::function<bool(const QString &program, const QString &argument)>;
    using EndProcess = std::function<void(int exitCode)>;
    // Ends the parent process when it is an older front end (the same program file) that
    // started this copy; false when the parent is anything else or could not be ended.
    using TerminateParent = std::function<bool()>;
    // Runs the built licence dialog in place of exec() and returns its result (QDialog::
    // Accepted or Rejected); a test may look at the dialog and press its buttons.
    using LicenceDialog = std::function<int(EULADlg *)>;

    static void setDeviceSelection(DeviceSelection hook);
    static void setUpdateCheck(UpdateCheck hook);
    static void setOpenUrl(OpenUrl hook);
    static void setStartDetached(StartDetached hook);
    static void setEndProcess(EndProcess hook);
    static void setTerminateParent(TerminateParent hook);
    static void setLicenceDialog(LicenceDialog hook);
    // The folder the program runs from (empty: the real one).
    static void setProgramDirectory(const QString &folder);

    // Whether a test stands in for device selection or the update check, and its answer.
    static bool overridesDeviceSelection();
    static bool overridesUpdateCheck();
    static bool runDeviceSelection(FrontEnd *frontEnd);
    static bool runUpdateCheck(FrontEnd *frontEnd);
    static bool openUrl(const QUrl &url);
    static bool startDetached(const QString &program, const QString &argument);
    // Ends the process at once; returns only when a test has put in its own hook.
    static void endProcess(int exitCode);
    // The program's folder with "/" separators, as QCoreApplication reports it.
    static QString programDirectory();
    static bool terminateParent();
    // The licence dialog's modal run: exec() unless a test put in its own.
    static int runLicenceDialog(EULADlg *dialog);
};
