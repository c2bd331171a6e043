#pragma once

namespace sys {

// IUpdateInstaller::get_IsBusy of the Windows Update Agent; false when the agent is not
// available or any call fails.
bool isWindowsUpdateBusy();
// The RebootRequired key of Windows Update opens (64-bit view) and holds at least one value.
bool isRestartPending();

} // namespace sys
