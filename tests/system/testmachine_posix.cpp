#include "testmachine.h"

#include "machine.h"

#include <atomic>
#include <cstdlib>
#include <string>
#include <unistd.h>

TestMachine::TestMachine()
{
    // A memory file system keeps the registry's fsync per write from dominating the tests.
    const char *tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp ? tmp : "/tmp";
    if (::access("/dev/shm", W_OK) == 0)
        base = "/dev/shm";
    std::string pattern = base + "/tam-test-machine-XXXXXX";
    if (char *made = ::mkdtemp(&pattern[0]))
        m_folder = made;
    sys::setMachineRoot(m_folder);
}

TestMachine::~TestMachine()
{
    sys::setMachineRoot(std::string());
    if (!m_folder.empty())
        std::system(("rm -rf '" + m_folder + "'").c_str());
}

bool TestMachine::isSimulated()
{
    return true;
}

std::wstring TestMachine::uniqueName()
{
    static std::atomic<int> counter{0};
    return L"TamTest-" + std::to_wstring(::getpid()) + L"-" + std::to_wstring(++counter);
}
