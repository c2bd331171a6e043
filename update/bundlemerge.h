#pragma once

// The device bundle merge: the scanner file of a model and the software bundle chosen for it,
// both from the update server, become one catalogue (update.xml) that names the chosen
// scanner's serial number and whether it was found on the network. A bundle application that
// the scanner file already lists adds its elements to that entry; any other is appended whole.
//
// The work is a pure function over bytes, so that it can be fed any input; the file wrapper
// only reads and writes. Nothing is written unless the scanner file is a readable catalogue:
// a half-merged or foreign file would be loaded by the caller as if it were one.

#include <QByteArray>
#include <QString>

class BundleMerge
{
public:
    // Merges bundle (null: no bundle file) into scanner. False, with output untouched, when the
    // scanner file does not parse, is refused by the XML guard or its root is not "scanner". A
    // bundle that does not parse or has another root adds nothing. output is UTF-8 with an
    // indentation of one space.
    static bool merge(const QByteArray &scanner,
                      const QByteArray *bundle,
                      const QString &serialNumber,
                      bool network,
                      QByteArray &output);

    // The same over files (host paths); outputPath is replaced only when the merge succeeds.
    static bool mergeFiles(const QString &scannerPath,
                           const QString &bundlePath,
                           const QString &outputPath,
                           const QString &serialNumber,
                           bool network);
};
