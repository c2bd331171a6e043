#pragma once

// What the platform-layer tests share: the child program, scratch folders, Wine detection.

#include <filesystem>
#include <string>

namespace testsupport {

// tam_child.exe beside the test program. The portable build has it as tam_child, so starting
// it also exercises the X.exe -> X lookup.
std::filesystem::path childProgram();
// The command line that starts the child with the given (already quoted) arguments.
std::wstring childCommand(const std::wstring &arguments);

// Wine reports a few things differently from Windows (see the tests that skip).
bool runningUnderWine();

// A fresh folder under the temporary directory, removed with everything in it at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Makes link a link to the folder target: a symbolic link on the simulated machine, a
// junction on Windows. Wine makes neither; there a Unix symbolic link stands in, which Wine
// reports as a reparse point. False when no link could be made.
bool makeFolderLink(const std::filesystem::path &link, const std::filesystem::path &target);
// Removes such a link (not its target) the way it was made.
void removeFolderLink(const std::filesystem::path &link);

// Waits up to timeoutMs for path to exist with some content, which it returns ("" on
// time-out).
std::string waitForFile(const std::filesystem::path &path, int timeoutMs = 10000);
std::string readFile(const std::filesystem::path &path);

} // namespace testsupport
