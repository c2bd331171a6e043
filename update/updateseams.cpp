#include "updateseams.h"

#include "scannerlist.h"

#include <QDialog>

#include <algorithm>
#include <cmath>

namespace {

struct Seams
{
    UpdateSeams::Scan scan;
    UpdateSeams::Runner runner;
    double timeScale = 1.0;
};

Seams &seams()
{
    static Seams instance;
    return instance;
}

} // namespace

void UpdateSeams::setScan(Scan scan)
{
    seams().scan = std::move(scan);
}

void UpdateSeams::setRunner(Runner runner)
{
    seams().runner = std::move(runner);
}

void UpdateSeams::setTimeScale(double scale)
{
    seams().timeScale = scale > 0 ? scale : 1.0;
}

UpdateSeams::Search UpdateSeams::search()
{
    if (!seams().scan)
        return &ScannerList::find;
    return [scan = seams().scan](uint32_t productId, ScannerList::Wanted wanted, const StopFlag *) {
        std::vector<DeviceRecord> scanners = scan(productId);
        if (wanted == ScannerList::Wanted::First && scanners.size() > 1)
            scanners.resize(1);
        return scanners;
    };
}

int UpdateSeams::run(QDialog *dialog)
{
    return seams().runner ? seams().runner(dialog) : dialog->exec();
}

int UpdateSeams::interval(int milliseconds)
{
    return std::max(1, int(std::lround(milliseconds * seams().timeScale)));
}
