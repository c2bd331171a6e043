#pragma once

// The simulated Windows machine of the portable build: one folder (environment variable
// TAM_MACHINE, default $XDG_DATA_HOME/tam-machine or ~/.local/share/tam-machine) holding
//   registry.reg   the registry in "Windows Registry Editor Version 5.00" format
//   drive_c/       what C:\ maps to (Program Files, Log, Windows)
//   reboot-requested   written when a restart was asked for
//   drive_<x>/     further drives (a disc in D: is drive_d/)
//   disc-locks/    one file per disc lock held (disclock_posix.cpp)
//   windows-update-busy   while it exists, Windows Update counts as installing
//   drive_c/Log/   create it to switch CoInstaller.log on, as on Windows
// The Win32 build has no such folder; these functions then describe the real machine.

#include <string>

namespace sys {

// The machine folder (created on first use, with an empty registry and a 64-bit Windows 10
// description when it does not exist). Empty on Win32.
std::string machineRoot();
// The folder machineRoot() names, without creating anything: no system call, so callers that
// need it on every operation (the registry) stay cheap. Empty on Win32.
std::string machineFolder();
// Points the process at another machine folder (tests); same as setting TAM_MACHINE.
void setMachineRoot(const std::string &folder);
// True when the simulated machine describes a 32-bit Windows (registry value
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion "TamSimulatedBitness" = dword:32).
bool simulatedMachineIs32Bit();

} // namespace sys
