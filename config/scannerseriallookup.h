#pragma once

// Finds the serial number of a connected scanner by its USB product id. Device detection
// comes with the update dialogs; until it installs a finder, no scanner is ever found.

#include <QString>

#include <functional>

class ScannerSerialLookup
{
public:
    using Finder = std::function<QString(quint16 productId)>;

    // An empty finder restores the default, which finds nothing.
    static void setFinder(Finder finder);
    // The serial number of a connected scanner with that product id, or empty.
    static QString serialFor(quint16 productId);
};
