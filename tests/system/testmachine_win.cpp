#include "testmachine.h"

#include <atomic>
#include <string>
#include <windows.h>

TestMachine::TestMachine() = default;
TestMachine::~TestMachine() = default;

bool TestMachine::isSimulated()
{
    return false;
}

std::wstring TestMachine::uniqueName()
{
    static std::atomic<int> counter{0};
    return L"TamTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}
