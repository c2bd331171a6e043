#pragma once

// What the update dialogs reach outside themselves for, so that tests can stand in: the scanner
// list, the modal run of a dialog (a test drives it instead of a person), and the length of the
// dialogs' waits. Each answers as the program needs unless a test has put in its own.

#include "devicerecord.h"
#include "scannerlist.h"

#include <cstdint>
#include <functional>
#include <vector>

class QDialog;

class UpdateSeams
{
public:
    using Scan = std::function<std::vector<DeviceRecord>(uint32_t productId)>;
    // The scanner list as a worker thread runs it: a copy of whatever stands in when it is
    // taken, so that a test changing its seams cannot pull it away under a running search.
    using Search = std::function<std::vector<DeviceRecord>(
            uint32_t productId, ScannerList::Wanted wanted, const StopFlag *stop)>;
    // Runs a built dialog in place of exec() and returns its result.
    using Runner = std::function<int(QDialog *dialog)>;

    static void setScan(Scan scan);
    static void setRunner(Runner runner);
    // Multiplies every wait of the dialogs (step timer, rescans, unpacking polls); 1 unless a
    // test wants its seconds back.
    static void setTimeScale(double scale);

    // The scanner list for a product id (0: any), USB first, then the network's.
    static Search search();
    static int run(QDialog *dialog);
    static int interval(int milliseconds);
};
