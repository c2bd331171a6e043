#pragma once

// Windows services. On Win32 the service control manager; on the simulated machine a service
// is the key HKLM\SYSTEM\CurrentControlSet\services\<name>, and its run state is simulated by
// values of that key (see servicestate in the portable implementation's notes in machine.h).

#include <cstdint>
#include <string>

namespace sys {

namespace ServiceState {
constexpr uint32_t Stopped = 1;
constexpr uint32_t StartPending = 2;
constexpr uint32_t StopPending = 3;
constexpr uint32_t Running = 4;
constexpr uint32_t ContinuePending = 5;
constexpr uint32_t PausePending = 6;
constexpr uint32_t Paused = 7;
} // namespace ServiceState

// "SERVICE_RUNNING %08X" etc. with the number filled in; "Undefine %08X" for other values.
std::wstring serviceStateName(uint32_t state);

// The services key of that name opens with KEY_READ.
bool isServiceRegistered(const std::wstring &name);
// Not stopped (start-pending and paused count as running); logs as the log file describes.
bool isServiceRunning(const std::wstring &name);
// Sends the stop control and waits (timeoutMs 0: without limit, polling once a second); on
// time-out kills the service's process. True when the last state read is stopped.
bool stopService(const std::wstring &name, uint32_t timeoutMs);

} // namespace sys
