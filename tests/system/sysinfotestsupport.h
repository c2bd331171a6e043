#pragma once

// What the system-information tests need from the side they run on.

#include <string>

namespace sysinfotest {

// A fixture program built next to the test program (versioned.exe, noversion.exe), in the
// Windows form that the platform layer takes.
std::wstring fixturePath(const std::wstring &fileName);

// For its lifetime the process works on a fresh, empty simulated machine; on Win32 it is the
// real (Wine) machine, which the tests then leave as they found it.
class ScratchMachine
{
public:
    ScratchMachine();
    ~ScratchMachine();
    ScratchMachine(const ScratchMachine &) = delete;
    ScratchMachine &operator=(const ScratchMachine &) = delete;

private:
    std::string m_folder;
};

} // namespace sysinfotest
