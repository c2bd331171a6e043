// disctool runlist: the run list setup would hand to setup_runner for a selection of a product's
// applications on a given machine, wrapped as it goes into the segment.

#include "disctoolcommand.h"
#include "machineoption.h"

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

int usage()
{
    QTextStream(stderr) << "usage: disctool runlist PRODUCT.xml --select SHORTNAME... "
                           "[--language CODE] [--machine DIR | --new-machine DIR]\n";
    return 2;
}

int runRunList(QStringList arguments)
{
    QString problem;
    if (!MachineOption::take(arguments, problem)) {
        QTextStream(stderr) << "disctool runlist: " << problem << '\n';
        return usage();
    }
    QString product;
    QString language = QStringLiteral("en_us");
    QStringList selected;
    bool selecting = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--select")) {
            selecting = true;
        } else if (argument == QLatin1String("--language") && hasValue) {
            language = arguments.at(++i).toLower();
            selecting = false;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return usage();
        } else if (selecting) {
            selected << argument;
        } else if (product.isEmpty()) {
            product = argument;
        } else {
            return usage();
        }
    }
    if (product.isEmpty() || selected.isEmpty())
        return usage();

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

const DiscToolCommand command("runlist",
                              "PRODUCT.xml --select SHORTNAME... [--language CODE] "
                              "[--machine DIR | --new-machine DIR]",
                              runRunList);

} // namespace
