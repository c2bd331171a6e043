#include "helperlauncher.h"

#include "messageseam.h"
#include "process.h"
#include "segmentprotocol.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// ShellExecuteW's results below 32 that get a message of their own.
constexpr intptr_t OutOfMemory = 0;
constexpr intptr_t FileNotFound = 2;
constexpr intptr_t PathNotFound = 3;
constexpr intptr_t AccessDenied = 5;
constexpr intptr_t NotEnoughMemory = 8;
constexpr intptr_t BadFormat = 11;
constexpr intptr_t FirstSuccess = 32;

// The texts belong to the front end's translations.
QString translated(const char *text)
{
    return QCoreApplication::translate("FrontEnd", text);
}

QString seriouslyWrong(const QString &first)
{
    return first + QStringLiteral("\n\n")
           + translated(QT_TRANSLATE_NOOP(
                   "FrontEnd", "If you see this message, something is seriously wrong."));
}

} // namespace

QString HelperLauncher::parameters(const QString &languageCode)
{
    return QString::fromLatin1(SegmentProtocol::DefaultKey) + QLatin1Char(' ') + languageCode;
}

bool HelperLauncher::launch(void *ownerWindow,
                            QObject *messageOwner,
                            const QString &languageCode,
                            const QString &errorTitle)
{
    const intptr_t result = sys::shellExecute(ownerWindow,
                                              std::wstring(),
                                              QString::fromLatin1(ProgramName).toStdWString(),
                                              parameters(languageCode).toStdWString(),
                                              L".",
                                              sys::ShowCommand::Hidden);
    if (result >= FirstSuccess)
        return true;
    MessageSeam::show(messageOwner,
                      MessageSeam::Critical,
                      errorTitle,
                      failureMessage(result, currentDirectory()));
    return false;
}

QString HelperLauncher::failureMessage(intptr_t result, const QString &directory)
{
    switch (result) {
    case OutOfMemory:
    case NotEnoughMemory:
        return translated(QT_TRANSLATE_NOOP(
                "FrontEnd", "Low on memory. Please reboot your computer and try again."));
    case FileNotFound:
        return translated(QT_TRANSLATE_NOOP("FrontEnd",
                                            "Unable to locate setup_runner.exe in directory "
                                            "\"%1\"."))
                .arg(directory);
    case PathNotFound:
        return seriouslyWrong(translated(QT_TRANSLATE_NOOP("FrontEnd",
                                                           "Unable to locate path \".\", which "
                                                           "should be \"%1\" but isn't."))
                                      .arg(directory));
    case AccessDenied:
        return translated(QT_TRANSLATE_NOOP(
                "FrontEnd",
                "You do not currently have permission to install software and/or drivers. If you "
                "are being prompted by Windows User Account Control, please allow setup_runner.exe "
                "to access or make changes to your computer. Alternatively, contact your system "
                "administrator or IT group for installation help."));
    case BadFormat:
        return seriouslyWrong(translated(QT_TRANSLATE_NOOP(
                "FrontEnd",
                "Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in "
                ".exe image).")));
    default:
        return seriouslyWrong(
                translated(QT_TRANSLATE_NOOP("FrontEnd", "Some unknown error occurred.")));
    }
}

QString HelperLauncher::currentDirectory()
{
    return QDir::currentPath().replace(QLatin1Char('/'), QLatin1Char('\\'));
}
