#include "testsupport.h"

#include "process.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace testsupport {

std::wstring childCommand(const std::wstring &arguments)
{
    return sys::quoteArgument(childProgram().wstring()) + L" " + arguments;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path()
             / ("tam-test-" + std::to_string(sys::currentProcessId()) + "-"
                + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string waitForFile(const std::filesystem::path &path, int timeoutMs)
{
    // Exists is not enough: under Wine the writer's rename may still hold the file a moment,
    // and opening it then fails.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (std::filesystem::exists(path)) {
            const std::string text = readFile(path);
            if (!text.empty())
                return text;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace testsupport
