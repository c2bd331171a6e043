#pragma once

// The one channel between setup and setup_runner: a named shared memory segment. setup writes
// the run list into it as UTF-16 text (phase 1); the helper reads it once, zero-fills the
// segment and from then on appends fixed-size messages that setup consumes (phase 2). Every
// access to the contents happens under the segment's own system lock.

#include <QString>
#include <QtGlobal>

#include <functional>

class QSharedMemory;

namespace SegmentProtocol {

constexpr char DefaultKey[] = "TamFrontEnd";
constexpr int SegmentSize = 0x100000;
constexpr int SlotSize = 16;
constexpr int SlotCount = SegmentSize / SlotSize;
// The text and its zero terminator must fit: 524,287 UTF-16 units at most.
constexpr int MaxRunListUnits = SegmentSize / 2 - 1;
// While the first unit is '<' the segment still holds the unread run list.
constexpr char16_t RunListMarker = u'<';

} // namespace SegmentProtocol

enum HelperMessage {
    AppStarted = 1,
    AppFinished = 2,
    ShowWait = 3,
    HideWait = 4,
    RunFinished = 5,
    RunInterrupted = 7,
    // value1: the application, value2: why (PayloadCache::Refusal). Its installer was not run;
    // AppFinished follows. A setup that does not know it skips it.
    AppFailed = 8,
};

struct MessageSlot
{
    quint8 inUse;
    quint8 reserved[3];
    qint32 type;
    qint32 value1;
    qint32 value2;
};
static_assert(sizeof(MessageSlot) == SegmentProtocol::SlotSize, "slots are 16 bytes");

// ---- The front end's operations (setup) --------------------------------------------------

namespace FrontEndSegment {

enum class CreateResult { Created, AlreadyRunning, Failed };
// Creates the segment read-write. A segment left behind by a copy that was killed (possible
// where segments outlive their processes) is removed first; one whose owner still lives is
// never touched and gives AlreadyRunning.
CreateResult create(QSharedMemory &segment);

enum class WriteResult { Written, NoSegment, NullData, TooLarge, LockFailed };
// Wraps the application elements in <RunnerInfo>…</RunnerInfo> (rootAttributes, written as
// they are, go into its start tag) and writes them from byte 0 with a zero terminator. A text
// that does not fit is refused and nothing is written.
WriteResult writeRunList(QSharedMemory *segment,
                         const QString &applicationElements,
                         const QString &rootAttributes = QString());
QString wrapRunList(const QString &applicationElements, const QString &rootAttributes = QString());

enum class PollResult { NoSegment, LockFailed, NullData, RunListUnread, Consumed };
// Hands every unread message to handler in posting order and marks its slot free. Stops at the
// first free slot. The lock is held throughout, as the helper must not post meanwhile.
PollResult consumeMessages(QSharedMemory *segment,
                           const std::function<void(const MessageSlot &)> &handler);

} // namespace FrontEndSegment

// ---- The helper's operations (setup_runner) ------------------------------------------------

namespace HelperSegment {

// Attaches segment (constructed with the key) read-write and returns the NUL-terminated text
// from byte 0; empty when attaching or locking fails.
QString readRunList(QSharedMemory &segment);
// Zero-fills the whole segment: the run list is consumed and the message phase begins.
bool clear(QSharedMemory &segment);
// Appends one message after compacting unread slots to the front; false when the lock fails
// or the queue is full.
bool post(QSharedMemory &segment, HelperMessage type, int value1 = -1, int value2 = -1);

} // namespace HelperSegment
