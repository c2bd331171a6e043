// setup: the front end of the installation disc.

#include "configurationenvironment.h"
#include "disclock.h"
#include "frontend.h"
#include "frontendhooks.h"
#include "guiplatform.h"
#include "messageboxhandler.h"
#include "reboot.h"
#include "scannerlist.h"
#include "scannerseriallookup.h"
#include "startupplan.h"
#include "urlopener.h"

#include <QApplication>
#include <QDir>
#include <QThread>

#include <string>
#include <vector>

namespace {

constexpr int MainMenuFailedExitCode = 1;

// The real command line never reaches Qt: its arguments are the language and resume step.
class FixedArguments
{
public:
    FixedArguments()
    {
        m_storage.push_back("Tamberlin");
        for (const std::string &argument : sys::qtPlatformArguments())
            m_storage.push_back(argument);
        for (std::string &argument : m_storage)
            m_pointers.push_back(argument.data());
        m_pointers.push_back(nullptr);
        m_count = static_cast<int>(m_storage.size());
    }
    int &count() { return m_count; }
    char **vector() { return m_pointers.data(); }

private:
    std::vector<std::string> m_storage;
    std::vector<char *> m_pointers;
    int m_count = 0;
};

QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void bringToFront(FrontEnd &window)
{
    window.setWindowFlags(window.windowFlags() | Qt::WindowStaysOnTopHint);
    window.show();
    QThread::msleep(200);
    window.setWindowFlags(window.windowFlags() & ~Qt::WindowStaysOnTopHint);
    window.show();
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = programArguments(argc, argv);

    // The helper ends setup before it restarts Windows; that is a clean end, not a crash.
    sys::acceptTerminationByChild();
    sys::DiscLock discLock;
    // The skin is drawn in pixels: setup stays unaware of the display's scale, whatever the
    // desktop's scaling variables say (on Windows the platform argument says the same).
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    FixedArguments fixed;
    QApplication app(fixed.count(), fixed.vector());
    MessageBoxHandler::install();
    // Test and staging servers stand in for the maker's through the environment.
    ConfigurationEnvironment::install();
    // User guides open through the engine's opener; here it is the desktop's.
    UrlOpener::setHandler(&FrontEndHooks::openUrl);
    // A product description without a serial number takes that of a connected scanner of its
    // model. Product id 0 names no model (the scanner list would take it for "any").
    ScannerSerialLookup::setFinder([](quint16 productId) {
        const std::vector<DeviceRecord> scanners
                = productId == 0 ? std::vector<DeviceRecord>() : ScannerList::find(productId);
        return scanners.empty() ? QString()
                                : QString::fromStdWString(scanners.front().serialNumber);
    });

    // The volume is that of the program's own path, which only the application knows fully.
    discLock.lock(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdWString());

    const QString programDir = QCoreApplication::applicationDirPath();
    const StartupPlan plan = StartupPlan::prepare(programDir, arguments);
    if (plan.exitAtOnce)
        return 0;

    QDir::setCurrent(programDir);
    auto *window = new FrontEnd(plan.isResume ? plan.resumeStep : 0);

    if (plan.needsDeviceSelection && !plan.isResume && !window->runDeviceSelection()) {
        window->close();
        delete window;
        return 0;
    }

    // A main menu that could not be set up (its box has been shown) ends the program, whether
    // that happens now or once the user has picked a language.
    bool mainMenuFailed = false;
    QObject::connect(window, &FrontEnd::mainMenuFailed, &app, [&mainMenuFailed] {
        mainMenuFailed = true;
        QCoreApplication::exit(MainMenuFailedExitCode);
    });

    window->prepareLanguages();
    if (plan.isResume)
        window->resumeInLanguage(plan.resumeLanguage, plan.resumeStep);
    // With one language the skin was set up already, and its online check may have started a
    // newer setup: this one must not show itself any more.
    if (window->newerSetupStarted()) {
        delete window;
        return 0;
    }

    int result = MainMenuFailedExitCode;
    if (!mainMenuFailed) {
        bringToFront(*window);
        result = app.exec();
    }
    discLock.unlock();
    delete window;
    return result;
}
