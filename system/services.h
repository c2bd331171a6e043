#pragma once

// Windows services. On Win32 the service control manager.
//
// On the simulated machine a service is the key HKLM\SYSTEM\CurrentControlSet\services\<name>
// (a missing key behaves as a service that does not exist: error 1060), and these values of
// that key simulate what the service control manager would know:
//   "TamSimState"         REG_DWORD, the current state 1..7 (ServiceState below); missing:
//                         stopped.
//   "TamSimStopBehaviour" REG_SZ, how the service answers the stop control when it accepts
//                         one (running, paused, pause or continue pending):
//                         "stop" (default) - it is stopped at once;
//                         "hang"           - it stays stop-pending for good;
//                         "ignore"         - nothing changes.
//                         Start- and stop-pending services refuse the control, as on Windows.
//   "TamSimProcessId"     REG_DWORD, the service's process: the real pid that stopService's
//                         time-out kills (after which the service counts as stopped).
// stopService writes the new state back, so other processes see it.

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

// ERROR_SERVICE_DOES_NOT_EXIST, what opening an unknown service fails with.
constexpr uint32_t ServiceDoesNotExist = 1060;

// "SERVICE_RUNNING %08X" etc. with the number filled in; "Undefine %08X" for other values.
std::wstring serviceStateName(uint32_t state);

// The services key of that name opens with KEY_READ.
bool isServiceRegistered(const std::wstring &name);
// Not stopped (start-pending and paused count as running). Logs (C:\Log\CoInstaller.log) the
// failure to open the manager or the service with its error code, or the state it read.
bool isServiceRunning(const std::wstring &name);
// Sends the stop control and waits (timeoutMs 0: without limit, polling once a second); on
// time-out kills the service's process. True when the last state read is stopped.
bool stopService(const std::wstring &name, uint32_t timeoutMs);

} // namespace sys
