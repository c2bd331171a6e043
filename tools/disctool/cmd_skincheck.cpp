// disctool skin-check SKIN.ui: loads a skin form as the front end would (offscreen) and lists
// every object that the front end requires or reports and that is missing or of the wrong
// kind, in the front end's own words. Exit status 1 when the main menu could not be set up.

#include "disctoolcommand.h"
#include "skincheck.h"
#include "skinrequirements.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QUiLoader>
#include <QWidget>

#include <memory>

namespace {

int skinCheck(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: disctool skin-check SKIN.ui\n";
        return 2;
    }
    const QString skin = arguments.first();
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        out << "error: " << SkinRequirements::cannotOpen(skin) << '\n';
        return 1;
    }
    QUiLoader loader;
    const std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form) {
        out << "error: " << SkinRequirements::cannotLoad(skin) << '\n';
        return 1;
    }
    const QList<SkinCheck::Finding> findings = SkinCheck::check(form.get(), skin);
    int fatal = 0;
    for (const SkinCheck::Finding &finding : findings) {
        out << (finding.fatal ? "error: " : "warning: ") << finding.text << '\n';
        if (finding.fatal)
            ++fatal;
    }
    out << skin << ": " << fatal << " error(s), " << findings.size() - fatal << " warning(s)\n";
    return fatal == 0 ? 0 : 1;
}

QCoreApplication *offscreenApplication(int &argc, char **argv)
{
    // Disc authors run this on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
}

const DiscToolCommand command("skin-check", "SKIN.ui", skinCheck, offscreenApplication);

} // namespace
