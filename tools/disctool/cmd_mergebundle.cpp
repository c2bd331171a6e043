// disctool merge-bundle: the catalogue setup makes from a model's scanner file and its software
// bundle for one scanner, so that an update server's files can be checked before they are
// served. Nothing is written unless the scanner file is a catalogue and the bundle a bundle.

#include "disctoolcommand.h"

#include "bundlemerge.h"

#include <QTextStream>

namespace {

int runMergeBundle(const QStringList &arguments)
{
    QStringList files;
    QString serial;
    bool hasSerial = false;
    bool network = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--serial") && i + 1 < arguments.size()) {
            serial = arguments.at(++i);
            hasSerial = true;
        } else if (argument == QLatin1String("--network")) {
            network = true;
        } else {
            files << argument;
        }
    }
    if (files.size() != 3 || !hasSerial) {
        QTextStream(stderr) << "usage: disctool merge-bundle SCANNER.xml BUNDLE.xml OUT.xml "
                               "--serial SN [--network]\n";
        return 2;
    }
    QTextStream err(stderr);
    switch (BundleMerge::mergeFiles(files.at(0), files.at(1), files.at(2), serial, network)) {
    case BundleMerge::Result::Merged:
        return 0;
    case BundleMerge::Result::ScannerUnreadable:
        err << "disctool: " << files.at(0)
            << " is not a scanner file that can be read; nothing written\n";
        return 1;
    case BundleMerge::Result::BundleUnreadable:
        err << "disctool: " << files.at(1)
            << " is not a bundle that can be read; nothing written\n";
        return 1;
    case BundleMerge::Result::OutputUnwritable:
        err << "disctool: cannot write " << files.at(2) << "\n";
        return 1;
    }
    return 1;
}

const DiscToolCommand command("merge-bundle",
                              "SCANNER.xml BUNDLE.xml OUT.xml --serial SN [--network]",
                              runMergeBundle);

} // namespace
