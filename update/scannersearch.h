#pragma once

// The scanner list, searched on a thread of its own: the USB inventory is quick, but the
// network search pauses between its attempts for seconds when nobody answers, and a window that
// waited for it on its own thread would neither paint nor take input meanwhile. The search keeps
// its order, filter and timings; its result comes back to the owner's thread by finished().
//
// The worker holds copies only (the product id, the search function), never the owner: an owner
// that goes away mid-search just drops it, and the worker is told to stop and ends by itself.

#include "devicerecord.h"
#include "scannerlist.h"

#include <QObject>

#include <vector>

class ScannerSearch : public QObject
{
    Q_OBJECT

public:
    explicit ScannerSearch(QObject *parent = nullptr);
    // A search still running is cancelled.
    ~ScannerSearch() override;

    // Starts a search for productId (0: any scanner of the maker); a search still running is
    // cancelled first.
    void start(uint32_t productId, ScannerList::Wanted wanted = ScannerList::Wanted::All);
    // Tells a running search to stop; its result never arrives.
    void cancel();
    bool isRunning() const { return m_running != nullptr; }
    // What the last completed search found, USB first, then the network's.
    const std::vector<DeviceRecord> &scanners() const { return m_scanners; }

    // Waits for every search thread of the process that still runs (each was told to stop);
    // called once the event loop is gone, before the program's statics are.
    static void waitForAll();

signals:
    void finished();

private:
    class Worker;
    void take(Worker *worker);

    Worker *m_running = nullptr;
    std::vector<DeviceRecord> m_scanners;
};
