// disctool runlist: the run list setup would hand to setup_runner for a selection of a product's
// applications on a given machine, wrapped as it goes into the segment.

#include "disctoolcommand.h"

#include "application.h"
#include "hostfiles.h"
#include "machine.h"
#include "messageseam.h"
#include "runlistxml.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "setupsettings.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

const QCommandLineOption Select(QStringLiteral("select"),
                                QStringLiteral("An application to install, by short name; the "
                                               "arguments after it name more."),
                                QStringLiteral("SHORTNAME"));
const QCommandLineOption Language(QStringLiteral("language"),
                                  QStringLiteral("The language of the run (default en_us)."),
                                  QStringLiteral("CODE"));

int runRunList(const QCommandLineParser &parser)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return DiscToolCommand::refuse(QStringLiteral("a product file is needed"));
    const QString product = positional.first();
    // "--select A B C": the parser takes A as the option's value, B and C stay positional.
    const QStringList selected = parser.values(Select) + positional.mid(1);
    if (selected.isEmpty())
        return DiscToolCommand::refuse(QStringLiteral("--select names no application"));
    const QString language
            = parser.isSet(Language) ? parser.value(Language).toLower() : QStringLiteral("en_us");

    QTextStream err(stderr);
    MessageSeam::setHandler([&err](QObject *,
                                   MessageSeam::Icon,
                                   const QString &title,
                                   const QString &text,
                                   int buttons,
                                   int) {
        err << title << ": " << text << '\n';
        return (buttons & MessageSeam::Ok) ? int(MessageSeam::Ok) : int(MessageSeam::No);
    });
    SetupSettings::setSetupPath(HostFiles::windowsPath(QFileInfo(product).absolutePath()));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());

    ScannerInfo info;
    info.setLanguage(language);
    info.loadLanguages(product);
    if (!info.load(product, true, false)) {
        MessageSeam::setHandler(nullptr);
        return 1;
    }
    // The selection keeps the catalogue's order, as the Install page lists it.
    QString elements;
    int order = 0;
    QStringList missing = selected;
    for (Application *application : info.applications()) {
        if (!selected.contains(application->shortName()))
            continue;
        missing.removeAll(application->shortName());
        elements += application->toRunList(++order);
    }
    MessageSeam::setHandler(nullptr);
    if (!missing.isEmpty()) {
        err << "disctool runlist: no application named " << missing.join(QStringLiteral(", "))
            << '\n';
        return 1;
    }
    QTextStream(stdout) << FrontEndSegment::wrapRunList(
            elements, RunListXml::writeRunSettings(SetupSettings::downloadPath()))
                        << '\n';
    return 0;
}

const DiscToolCommand
        command("runlist",
                {"PRODUCT.xml --select SHORTNAME... [--language CODE]", {Select, Language}, true},
                runRunList);

} // namespace
