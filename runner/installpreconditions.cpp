#include "installpreconditions.h"

#include "messageseam.h"
#include "updateagent.h"

#include <QCoreApplication>

bool InstallPreconditions::check(QObject *owner, const QString &errorTitle)
{
    if (sys::isWindowsUpdateBusy()) {
        MessageSeam::show(owner,
                          MessageSeam::Critical,
                          errorTitle,
                          QCoreApplication::translate("FrontEnd",
                                                      "Windows Update is currently installing "
                                                      "other updates. Please try again in a few "
                                                      "minutes."));
        return false;
    }
    if (sys::isRestartPending()) {
        MessageSeam::show(owner,
                          MessageSeam::Critical,
                          errorTitle,
                          QCoreApplication::translate("FrontEnd",
                                                      "Pending restart. Please reboot your "
                                                      "computer and try again."));
        return false;
    }
    return true;
}
