// disctool merge-bundle: the catalogue setup makes from a model's scanner file and its software
// bundle for one scanner, so that an update server's files can be checked before they are
// served. Nothing is written unless the scanner file is a catalogue and the bundle a bundle.

#include "disctoolcommand.h"

#include "bundlemerge.h"

#include <QTextStream>

namespace {

const QCommandLineOption Serial(QStringLiteral("serial"),
                                QStringLiteral("The scanner's serial number."),
                                QStringLiteral("SN"));
const QCommandLineOption Network(QStringLiteral("network"),
                                 QStringLiteral("The scanner is connected over the network."));

int runMergeBundle(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 3)
        return DiscToolCommand::refuse(
                QStringLiteral("a scanner file, a bundle and an output file are needed"));
    if (!parser.isSet(Serial))
        return DiscToolCommand::refuse(QStringLiteral("--serial is needed"));
    const QString serial = parser.value(Serial);
    const bool network = parser.isSet(Network);
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
                              {"SCANNER.xml BUNDLE.xml OUT.xml --serial SN [--network]",
                               {Serial, Network}},
                              runMergeBundle);

} // namespace
