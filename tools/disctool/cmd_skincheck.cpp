// disctool skin-check SKIN.ui: loads a skin form as the front end would (offscreen) and lists
// every object that the front end requires or reports and that is missing or of the wrong
// kind, in the front end's own words. Exit status 1 when the main menu could not be set up.

#include "disctoolcommand.h"
#include "skincheck.h"
#include "skinrequirements.h"
#include "skinverdict.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QUiLoader>
#include <QWidget>

#include <memory>

SkinVerdict SkinVerdict::of(const QString &skin)
{
    SkinVerdict verdict;
    verdict.checked = true;
    // The front end's own texts for these name the product file's attribute; here the file
    // that was tried is what the author needs.
    const QString shown = QDir::toNativeSeparators(QFileInfo(skin).absoluteFilePath());
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        verdict.errors << QStringLiteral("cannot open the skin form %1: %2")
                                  .arg(shown, file.errorString());
        return verdict;
    }
    QUiLoader loader;
    const std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form) {
        verdict.errors << QStringLiteral("the skin form %1 is not a form Qt can load: %2")
                                  .arg(shown, loader.errorString());
        return verdict;
    }
    for (const SkinCheck::Finding &finding : SkinCheck::check(form.get(), skin))
        (finding.fatal ? verdict.errors : verdict.warnings) << finding.text;
    return verdict;
}

QCoreApplication *SkinVerdict::createApplication(int &argc, char **argv)
{
    // Disc authors run this on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
}

namespace {

int skinCheck(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1)
        return DiscToolCommand::refuse(QStringLiteral("one skin form is needed"));
    QTextStream out(stdout);
    const QString skin = arguments.first();
    const SkinVerdict verdict = SkinVerdict::of(skin);
    for (const QString &text : verdict.errors)
        out << "error: " << text << '\n';
    for (const QString &text : verdict.warnings)
        out << "warning: " << text << '\n';
    out << skin << ": " << verdict.errors.size() << " error(s), " << verdict.warnings.size()
        << " warning(s)\n";
    return verdict.errors.isEmpty() ? 0 : 1;
}

const DiscToolCommand command("skin-check", {"SKIN.ui"}, skinCheck, SkinVerdict::createApplication);

} // namespace
