#include "machine.h"

namespace sys {

// A real Windows machine has no simulation folder.
std::string machineRoot()
{
    return {};
}

std::string machineFolder()
{
    return {};
}

void setMachineRoot(const std::string &)
{}

bool simulatedMachineIs32Bit()
{
    return false;
}

} // namespace sys
