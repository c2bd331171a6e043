#include "scannersearch.h"

#include "updateseams.h"

#include <QCoreApplication>
#include <QThread>

#include <mutex>
#include <set>

class ScannerSearch::Worker : public QThread
{
public:
    Worker(UpdateSeams::Search search, uint32_t productId, ScannerList::Wanted wanted)
        : m_search(std::move(search))
        , m_productId(productId)
        , m_wanted(wanted)
    {}

    StopFlag stop{false};
    // Written by the thread before it finishes; read on the owner's thread after finished().
    std::vector<DeviceRecord> result;

protected:
    void run() override { result = m_search(m_productId, m_wanted, &stop); }

private:
    const UpdateSeams::Search m_search;
    const uint32_t m_productId;
    const ScannerList::Wanted m_wanted;
};

namespace {

// Every worker that has not been deleted yet. A worker deletes itself once finished, which
// takes the event loop; whatever is still here when the application goes is waited for.
struct Workers
{
    std::mutex lock;
    std::set<QThread *> threads;
    bool waitRegistered = false;
};

Workers &workers()
{
    static Workers instance;
    return instance;
}

void forget(QThread *thread)
{
    std::lock_guard<std::mutex> guard(workers().lock);
    workers().threads.erase(thread);
}

} // namespace

ScannerSearch::ScannerSearch(QObject *parent)
    : QObject(parent)
{}

ScannerSearch::~ScannerSearch()
{
    cancel();
}

void ScannerSearch::start(uint32_t productId, ScannerList::Wanted wanted)
{
    cancel();
    auto *worker = new Worker(UpdateSeams::search(), productId, wanted);
    {
        std::lock_guard<std::mutex> guard(workers().lock);
        workers().threads.insert(worker);
        if (!workers().waitRegistered) {
            qAddPostRoutine(&ScannerSearch::waitForAll);
            workers().waitRegistered = true;
        }
    }
    // finished() is emitted on the worker's thread; both receivers live on this one, so each
    // runs here once the event loop gets to it.
    connect(worker, &QThread::finished, this, [this, worker] { take(worker); });
    connect(worker, &QThread::finished, worker, [worker] {
        forget(worker);
        worker->deleteLater();
    });
    m_running = worker;
    worker->start();
}

void ScannerSearch::cancel()
{
    if (!m_running)
        return;
    m_running->stop = true;
    disconnect(m_running, nullptr, this, nullptr);
    m_running = nullptr;
}

void ScannerSearch::take(Worker *worker)
{
    if (worker != m_running)
        return;
    m_running = nullptr;
    m_scanners = std::move(worker->result);
    emit finished();
}

void ScannerSearch::waitForAll()
{
    std::set<QThread *> threads;
    {
        std::lock_guard<std::mutex> guard(workers().lock);
        threads.swap(workers().threads);
    }
    for (QThread *thread : threads) {
        static_cast<Worker *>(thread)->stop = true;
        thread->wait();
    }
}
