#include "helperprogram.h"

#include "frontendhelper.h"
#include "helpermessages.h"
#include "installer.h"
#include "payloadcache.h"

#include "closerequest.h"
#include "guiplatform.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

// How often the simulated machine's close requests are looked for.
constexpr int CloseRequestPollMs = 100;

// Qt takes the folders it loads plugins from (code that would run elevated), its platform,
// style, scaling and logging from QT_ variables. Whoever starts the helper decides none of
// them.
void forgetQtVariables()
{
    const QStringList names = QProcessEnvironment::systemEnvironment().keys();
    for (const QString &name : names) {
        if (name.startsWith(QLatin1String("QT_"), Qt::CaseInsensitive))
            qunsetenv(name.toLocal8Bit().constData());
    }
}

} // namespace

int HelperProgram::run(int argc, char *argv[], InstallSeams installSeams)
{
    // The helper never takes Qt options from its real command line: its two arguments are the
    // segment key and the language.
    static std::vector<std::string> fixedArguments = [] {
        std::vector<std::string> arguments{"Tamberlin"};
        for (const std::string &argument : sys::qtPlatformArguments())
            arguments.push_back(argument);
        return arguments;
    }();
    static std::vector<char *> fixedArgv;
    for (std::string &argument : fixedArguments)
        fixedArgv.push_back(argument.data());
    fixedArgv.push_back(nullptr);
    static int fixedArgc = int(fixedArguments.size());
    forgetQtVariables();
    QApplication app(fixedArgc, fixedArgv.data());

    QWidget placeholder;
    placeholder.resize(1, 1);
    placeholder.show();
    // Asked to close, the helper closes its windows; the last one ends the event loop, and the
    // helper reports the interrupted run on its way out.
    if (sys::watchCloseRequests()) {
        auto *closeRequests = new QTimer(&app);
        QObject::connect(closeRequests, &QTimer::timeout, &app, [] {
            if (sys::closeRequested())
                QApplication::closeAllWindows();
        });
        closeRequests->start(CloseRequestPollMs);
    }

    if (argc != 3)
        return -1;
    const QString key = QString::fromLatin1(argv[1]);
    const QString language = QString::fromUtf8(argv[2]);

    installSeams();
    Installer::setExtractsCabinets(true);
    PayloadCache::setEnabled(true);

    auto helperTranslator = std::make_unique<QTranslator>();
    if (helperTranslator->load(QStringLiteral("setup_runner_") + language,
                               QStringLiteral(":/HelperTranslations/Translations"))) {
        QCoreApplication::installTranslator(helperTranslator.get());
    } else {
        HelperMessages::warning(
                QStringLiteral("Design Error"),
                QStringLiteral("Unable to load default translation file for front end."));
    }
    auto qtTranslator = std::make_unique<QTranslator>();
    if (qtTranslator->load(QStringLiteral("qt_") + language,
                           QStringLiteral(":/QtTranslations/Translations/"))) {
        QCoreApplication::installTranslator(qtTranslator.get());
    } else {
        HelperMessages::warning(QStringLiteral("Design Error"),
                                QStringLiteral("Unable to load default translation file for Qt."));
    }

    int exitCode = 0;
    {
        FrontEndHelper helper;
        if (!helper.readRunList(key)) {
            HelperMessages::critical(
                    QCoreApplication::translate("FrontEndHelper", "Error"),
                    QCoreApplication::translate(
                            "FrontEndHelper",
                            "Error occurred while attempting to initialize the installers."));
            exitCode = -1;
        } else if (helper.startRun()) {
            exitCode = QApplication::exec();
        }
    }
    return exitCode;
}
