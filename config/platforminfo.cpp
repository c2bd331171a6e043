#include "platforminfo.h"

#include "messageseam.h"
#include "sysinfo.h"

#include <QCoreApplication>

bool PlatformInfo::is64BitWindows(QObject *owner)
{
    if (sys::isProcess64Bit())
        return true;
    switch (sys::isWow64Process()) {
    case sys::Wow64Answer::Yes:
        return true;
    case sys::Wow64Answer::CallFailed:
        MessageSeam::show(owner,
                          MessageSeam::Critical,
                          QCoreApplication::translate("Application", "Error"),
                          QCoreApplication::translate("Application",
                                                      "Please install VC++ 2005 SP1 Runtime "
                                                      "package to continue..."),
                          MessageSeam::Ok,
                          MessageSeam::KeepOnTop);
        return false;
    case sys::Wow64Answer::No:
    case sys::Wow64Answer::FunctionMissing:
        break;
    }
    return false;
}

QStringList PlatformInfo::platformTags(QObject *owner)
{
    return {QStringLiteral("all"),
            QStringLiteral("*"),
            QStringLiteral("windows"),
            is64BitWindows(owner) ? QStringLiteral("win64") : QStringLiteral("win32")};
}

quint16 PlatformInfo::osVersion()
{
    return sys::windowsVersionWord();
}
