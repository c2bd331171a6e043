#pragma once

// Lets the thread that started a device search ask it to give up early: a search that nobody
// waits for any more should not keep the program from ending for seconds.

#include <atomic>

using StopFlag = std::atomic<bool>;

// False for a search that cannot be stopped (no flag).
inline bool stopRequested(const StopFlag *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}
