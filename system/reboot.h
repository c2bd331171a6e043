#pragma once

namespace sys {

// Enables SeShutdownPrivilege, asks Windows to restart (EWX_REBOOT | EWX_FORCEIFHUNG, planned
// installation) and ends the process with exit code 0. The simulated machine records the
// request in its folder instead of restarting anything. Never returns.
[[noreturn]] void rebootAndExit();

// Kills the parent process (exit code 0), as the restart path does before rebooting.
void killParentProcess();
// Enables SeDebugPrivilege where possible and terminates pid with exit code 0xFFFFFFFF.
void killProcess(unsigned long pid);

} // namespace sys
