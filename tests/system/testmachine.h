#pragma once

// The machine a test runs against. Portable build: a fresh simulated machine in a temporary
// folder, removed afterwards. Win32 build: the real machine (under Wine, its prefix), so tests
// use keys and names of their own (uniqueName()) and remove them.

#include <string>

class TestMachine
{
public:
    TestMachine();
    ~TestMachine();
    TestMachine(const TestMachine &) = delete;
    TestMachine &operator=(const TestMachine &) = delete;

    // The simulated machine's folder; empty on Win32.
    const std::string &folder() const { return m_folder; }
    static bool isSimulated();
    // "TamTest-<process id>-<counter>": a name no other test run uses.
    static std::wstring uniqueName();

private:
    std::string m_folder;
};
