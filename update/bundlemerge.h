#pragma once

// The device bundle merge: the scanner file of a model and the software bundle chosen for it,
// both from the update server, become one catalogue (update.xml) that names the chosen
// scanner's serial number and whether it was found on the network. A bundle application that
// the scanner file already lists adds its elements to that entry; any other is appended whole.
//
// The work is a pure function over bytes, so that it can be fed any input; the file wrapper
// only reads and writes. Nothing is written unless both files are what they claim to be: a
// half-merged or foreign file would be loaded by the caller as if it were a catalogue, and one
// without its bundle would quietly offer less than the user chose.
//
// The output is the same bytes for the same input: elements keep their order, attributes are
// written sorted by name, and characters XML cannot carry (from a device's serial number, say)
// are left out.

#include <QByteArray>
#include <QString>

class BundleMerge
{
public:
    enum class Result {
        Merged,
        // The scanner file is missing, unreadable, refused by the XML guard or not a "scanner".
        ScannerUnreadable,
        // The same for the bundle and "bundle".
        BundleUnreadable,
        // The output could not be written.
        OutputUnwritable,
    };

    // Merges bundle into scanner. Anything but Merged leaves output untouched. output is UTF-8
    // with an indentation of one space.
    static Result merge(const QByteArray &scanner,
                        const QByteArray &bundle,
                        const QString &serialNumber,
                        bool network,
                        QByteArray &output);

    // The same over files (host paths); outputPath is replaced only when the merge succeeds.
    static Result mergeFiles(const QString &scannerPath,
                             const QString &bundlePath,
                             const QString &outputPath,
                             const QString &serialNumber,
                             bool network);

    // Reads a file as the merge does: within the XML guard's size. False when it cannot.
    static bool readFile(const QString &path, QByteArray &content);
    // Writes content in one step: an old output stays whole when writing fails.
    static bool writeFile(const QString &path, const QByteArray &content);
};
