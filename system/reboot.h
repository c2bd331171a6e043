#pragma once

namespace sys {

// Enables SeShutdownPrivilege, asks Windows to restart (EWX_REBOOT | EWX_FORCEIFHUNG, planned
// installation) and ends the process with exit code 0. The simulated machine appends a line
// (time and process id) to <machine folder>/reboot-requested instead of restarting anything,
// then ends the process the same way. Never returns.
[[noreturn]] void rebootAndExit();

// Kills the parent process (exit code 0), as the restart path does before rebooting. The
// portable build signals it, and never init (pid 1), which adopts orphans: a parent that called
// acceptTerminationByChild() ends with 0 as on Windows, any other is sent SIGKILL.
void killParentProcess();
// Lets killParentProcess() in a child end this process the way TerminateProcess(..., 0) ends a
// Windows program: at once and with exit code 0, rather than by a signal that a shell reports as
// a crash. Nothing to do on Windows.
void acceptTerminationByChild();
// Enables SeDebugPrivilege where possible and terminates pid with exit code 0xFFFFFFFF. The
// portable build sends SIGKILL (such a child's Process reports 0xFFFFFFFF); pids 0 and 1 are
// left alone, since kill() would read 0 as the whole process group.
void killProcess(unsigned long pid);

} // namespace sys
