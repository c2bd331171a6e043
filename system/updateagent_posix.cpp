#include "updateagent.h"

#include "machine.h"

#include <sys/stat.h>

namespace sys {

// The simulated machine has no update agent. It counts as installing updates while the file
// <machine>/windows-update-busy exists, so a test or a person can provoke the busy answer.
bool isWindowsUpdateBusy()
{
    struct stat info;
    return ::stat((machineRoot() + "/windows-update-busy").c_str(), &info) == 0;
}

} // namespace sys
