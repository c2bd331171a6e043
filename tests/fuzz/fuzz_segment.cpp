// The segment as either program finds it: any contents give the helper at most the segment's
// text, and give the front end the unread messages once, in order; a post keeps every unread
// message and adds its own, or refuses when the queue is full.

#include "fuzzsupport.h"
#include "segmentprotocol.h"

#include <QCoreApplication>
#include <QSharedMemory>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QSharedMemory *g_frontEnd = nullptr;
QSharedMemory *g_helper = nullptr;

// Bytes of the segment that may be non-zero: the input and the one slot a post adds behind it
// (clearing the whole megabyte for every input would dominate the run).
size_t g_dirty = SegmentProtocol::SegmentSize;

void fill(const uint8_t *data, size_t size)
{
    char *bytes = static_cast<char *>(g_frontEnd->data());
    const size_t capacity = size_t(g_frontEnd->size());
    std::memset(bytes, 0, std::min(g_dirty, capacity));
    std::memcpy(bytes, data, std::min(size, capacity));
    g_dirty = std::min(capacity, size + 2 * SegmentProtocol::SlotSize);
}

std::vector<MessageSlot> unread()
{
    std::vector<MessageSlot> pending;
    const auto *queue = static_cast<const MessageSlot *>(g_frontEnd->constData());
    const size_t scanned
            = std::min(g_dirty / SegmentProtocol::SlotSize + 1, size_t(SegmentProtocol::SlotCount));
    for (size_t i = 0; i < scanned; ++i) {
        if (queue[i].inUse)
            pending.push_back(queue[i]);
    }
    return pending;
}

bool sameMessage(const MessageSlot &a, const MessageSlot &b)
{
    return a.type == b.type && a.value1 == b.value1 && a.value2 == b.value2;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    const QString key = QStringLiteral("TamFuzz-%1").arg(QCoreApplication::applicationPid());
    g_frontEnd = new QSharedMemory(key);
    if (FrontEndSegment::create(*g_frontEnd) != FrontEndSegment::CreateResult::Created)
        std::abort();
    g_helper = new QSharedMemory(key);
    if (!g_helper->attach())
        std::abort();
    // System V segments outlive a process that never detaches.
    std::atexit([] {
        delete g_helper;
        delete g_frontEnd;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fill(data, size);
    const QString text = HelperSegment::readRunList(*g_helper);
    FUZZ_CHECK(text.size() < SegmentProtocol::SegmentSize / 2);
    FUZZ_CHECK(!text.contains(QChar(0)));

    fill(data, size);
    // The first unit, as the zero-filled segment completes a one-byte input.
    const bool runListUnread = size >= 1 && data[0] == '<' && (size == 1 || data[1] == 0);
    std::vector<MessageSlot> seen;
    const auto result = FrontEndSegment::consumeMessages(
            g_frontEnd, [&seen](const MessageSlot &slot) { seen.push_back(slot); });
    FUZZ_CHECK((result == FrontEndSegment::PollResult::RunListUnread) == runListUnread);
    const auto *queue = static_cast<const MessageSlot *>(g_frontEnd->constData());
    for (size_t i = 0; i < seen.size(); ++i)
        FUZZ_CHECK(queue[i].inUse == 0);

    fill(data, size);
    const std::vector<MessageSlot> before = unread();
    const bool posted = HelperSegment::post(*g_helper, ShowWait, 7, 9);
    const std::vector<MessageSlot> after = unread();
    FUZZ_CHECK(posted == (before.size() < size_t(SegmentProtocol::SlotCount)));
    FUZZ_CHECK(after.size() == before.size() + (posted ? 1 : 0));
    // Every message that was unread still is, in its order.
    size_t next = 0;
    for (const MessageSlot &slot : after) {
        if (next < before.size() && sameMessage(slot, before[next]))
            ++next;
    }
    FUZZ_CHECK(next == before.size());
    return 0;
}
