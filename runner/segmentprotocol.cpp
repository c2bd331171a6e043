#include "segmentprotocol.h"

#include <QSharedMemory>

#include <cstring>

using namespace SegmentProtocol;

namespace {

// Pairs every successful lock with its unlock on every path out of a scope.
class SegmentLock
{
public:
    explicit SegmentLock(QSharedMemory &segment)
        : m_segment(segment)
        , m_locked(segment.lock())
    {}
    ~SegmentLock()
    {
        if (m_locked)
            m_segment.unlock();
    }
    SegmentLock(const SegmentLock &) = delete;
    SegmentLock &operator=(const SegmentLock &) = delete;

    bool isLocked() const { return m_locked; }

private:
    QSharedMemory &m_segment;
    bool m_locked;
};

MessageSlot *queueOf(QSharedMemory &segment)
{
    return static_cast<MessageSlot *>(segment.data());
}

int slotCountOf(const QSharedMemory &segment)
{
    return segment.size() / SlotSize;
}

} // namespace

namespace FrontEndSegment {

CreateResult create(QSharedMemory &segment)
{
    if (segment.create(SegmentSize, QSharedMemory::ReadWrite))
        return CreateResult::Created;
    if (segment.error() != QSharedMemory::AlreadyExists)
        return CreateResult::Failed;

    // Where a segment survives its killed creator, attaching and detaching again removes it
    // once nobody else is attached; a live owner keeps it alive and the retry fails.
    QSharedMemory probe(segment.key());
    if (probe.attach(QSharedMemory::ReadOnly))
        probe.detach();
    if (segment.create(SegmentSize, QSharedMemory::ReadWrite))
        return CreateResult::Created;
    return segment.error() == QSharedMemory::AlreadyExists ? CreateResult::AlreadyRunning
                                                           : CreateResult::Failed;
}

QString wrapRunList(const QString &applicationElements, const QString &rootAttributes)
{
    return QStringLiteral("<RunnerInfo") + rootAttributes + QLatin1Char('>') + applicationElements
           + QStringLiteral("</RunnerInfo>");
}

WriteResult writeRunList(QSharedMemory *segment,
                         const QString &applicationElements,
                         const QString &rootAttributes)
{
    if (!segment)
        return WriteResult::NoSegment;
    const QString text = wrapRunList(applicationElements, rootAttributes);
    const int capacityUnits = segment->size() / 2 - 1;
    if (text.size() > capacityUnits)
        return WriteResult::TooLarge;

    SegmentLock lock(*segment);
    if (!lock.isLocked())
        return WriteResult::LockFailed;
    char16_t *units = static_cast<char16_t *>(segment->data());
    if (!units)
        return WriteResult::NullData;
    std::memcpy(units, text.utf16(), size_t(text.size()) * 2);
    units[text.size()] = 0;
    return WriteResult::Written;
}

PollResult consumeMessages(QSharedMemory *segment,
                           const std::function<void(const MessageSlot &)> &handler)
{
    if (!segment)
        return PollResult::NoSegment;
    SegmentLock lock(*segment);
    if (!lock.isLocked())
        return PollResult::LockFailed;
    MessageSlot *queue = queueOf(*segment);
    if (!queue)
        return PollResult::NullData;
    if (*static_cast<const char16_t *>(segment->constData()) == RunListMarker)
        return PollResult::RunListUnread;

    const int count = slotCountOf(*segment);
    for (int i = 0; i < count && queue[i].inUse != 0; ++i) {
        handler(queue[i]);
        queue[i].inUse = 0;
    }
    return PollResult::Consumed;
}

} // namespace FrontEndSegment

namespace HelperSegment {

QString readRunList(QSharedMemory &segment)
{
    if (!segment.isAttached() && !segment.attach(QSharedMemory::ReadWrite))
        return {};
    SegmentLock lock(segment);
    if (!lock.isLocked())
        return {};
    const char16_t *units = static_cast<const char16_t *>(segment.constData());
    if (!units)
        return {};
    // Never read past the segment, even when a writer forgot the terminator.
    const int capacity = segment.size() / 2;
    int length = 0;
    while (length < capacity && units[length] != 0)
        ++length;
    return QString::fromUtf16(units, length);
}

bool clear(QSharedMemory &segment)
{
    SegmentLock lock(segment);
    if (!lock.isLocked() || !segment.data())
        return false;
    std::memset(segment.data(), 0, size_t(segment.size()));
    return true;
}

bool post(QSharedMemory &segment, HelperMessage type, int value1, int value2)
{
    SegmentLock lock(segment);
    if (!lock.isLocked())
        return false;
    MessageSlot *queue = queueOf(segment);
    if (!queue)
        return false;
    const int count = slotCountOf(segment);

    int first = 0;
    while (first < count && queue[first].inUse == 0)
        ++first;
    if (first == count)
        first = 0;

    int used = 0;
    if (first > 0) {
        // Consumed queue lie before the first unread one: move the unread ones to the front,
        // in order, so the queue always starts at slot 0.
        for (int i = first; i < count; ++i) {
            if (queue[i].inUse == 0)
                continue;
            queue[used++] = queue[i];
            std::memset(&queue[i], 0, sizeof(MessageSlot));
        }
    } else {
        while (used < count && queue[used].inUse != 0)
            ++used;
    }
    if (used >= count)
        return false;

    MessageSlot &slot = queue[used];
    std::memset(&slot, 0, sizeof(MessageSlot));
    slot.inUse = 1;
    slot.type = type;
    slot.value1 = value1;
    slot.value2 = value2;
    return true;
}

} // namespace HelperSegment
