#include "frontendhooks.h"

#include "euladlg.h"

#include "hostfiles.h"
#include "process.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cstdlib>

namespace {

struct Hooks
{
    FrontEndHooks::DeviceSelection deviceSelection;
    FrontEndHooks::UpdateCheck updateCheck;
    FrontEndHooks::OpenUrl openUrl;
    FrontEndHooks::StartDetached startDetached;
    FrontEndHooks::EndProcess endProcess;
    FrontEndHooks::TerminateParent terminateParent;
    FrontEndHooks::LicenceDialog licenceDialog;
    QString programDirectory;
};

Hooks &hooks()
{
    static Hooks instance;
    return instance;
}

} // namespace

void FrontEndHooks::setDeviceSelection(DeviceSelection hook)
{
    hooks().deviceSelection = std::move(hook);
}

void FrontEndHooks::setUpdateCheck(UpdateCheck hook)
{
    hooks().updateCheck = std::move(hook);
}

void FrontEndHooks::setOpenUrl(OpenUrl hook)
{
    hooks().openUrl = std::move(hook);
}

void FrontEndHooks::setStartDetached(StartDetached hook)
{
    hooks().startDetached = std::move(hook);
}

void FrontEndHooks::setEndProcess(EndProcess hook)
{
    hooks().endProcess = std::move(hook);
}

void FrontEndHooks::setTerminateParent(TerminateParent hook)
{
    hooks().terminateParent = std::move(hook);
}

void FrontEndHooks::setLicenceDialog(LicenceDialog hook)
{
    hooks().licenceDialog = std::move(hook);
}

void FrontEndHooks::setProgramDirectory(const QString &folder)
{
    hooks().programDirectory = folder;
}

bool FrontEndHooks::overridesDeviceSelection()
{
    return bool(hooks().deviceSelection);
}

bool FrontEndHooks::overridesUpdateCheck()
{
    return bool(hooks().updateCheck);
}

bool FrontEndHooks::runDeviceSelection(FrontEnd *frontEnd)
{
    return hooks().deviceSelection ? hooks().deviceSelection(frontEnd) : true;
}

bool FrontEndHooks::runUpdateCheck(FrontEnd *frontEnd)
{
    return hooks().updateCheck ? hooks().updateCheck(frontEnd) : true;
}

bool FrontEndHooks::openUrl(const QUrl &url)
{
    return hooks().openUrl ? hooks().openUrl(url) : QDesktopServices::openUrl(url);
}

bool FrontEndHooks::startDetached(const QString &program, const QString &argument)
{
    if (hooks().startDetached)
        return hooks().startDetached(program, argument);
    // The platform layer finds the program as Windows would and, on the simulated machine,
    // hands explorer.exe to the desktop's file manager, which needs the folder as the host
    // names it (on Windows the mapping leaves the path as it is). The process object only lets
    // go of the child; nobody waits for it.
    sys::Process process;
    const std::wstring commandLine
            = sys::quoteArgument(program.toStdWString()) + L" "
              + sys::quoteArgument(HostFiles::hostPath(argument).toStdWString());
    return process.start(commandLine);
}

void FrontEndHooks::endProcess(int exitCode)
{
    if (hooks().endProcess) {
        hooks().endProcess(exitCode);
        return;
    }
    // Nothing of this process may run on: no window was shown and nothing needs saving.
    std::_Exit(exitCode);
}

QString FrontEndHooks::programDirectory()
{
    if (!hooks().programDirectory.isEmpty())
        return hooks().programDirectory;
    return QCoreApplication::applicationDirPath();
}

bool FrontEndHooks::terminateParent()
{
    if (hooks().terminateParent)
        return hooks().terminateParent();
    const uint32_t parent = sys::parentProcessId();
    if (parent == 0)
        return false;
    // Only an older front end starts a copy of itself on purpose; the shell or file manager
    // that started us while some setup runs must live on.
    const QString own = QString::fromStdWString(sys::processImageName(sys::currentProcessId()));
    const QString theirs = QString::fromStdWString(sys::processImageName(parent));
    if (own.isEmpty() || own.compare(theirs, Qt::CaseInsensitive) != 0)
        return false;
    return sys::terminateProcess(parent, 0);
}

int FrontEndHooks::runLicenceDialog(EULADlg *dialog)
{
    return hooks().licenceDialog ? hooks().licenceDialog(dialog) : dialog->exec();
}
