#include "hostpath.h"
#include "services.h"
#include "testmachine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sys;

namespace {
// The log as text: the bytes without NULs, whatever width the run-time wrote.
std::string logText(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}
} // namespace

TEST(Services, StateNames)
{
    const std::pair<uint32_t, const wchar_t *> rows[] = {
            {1, L"SERVICE_STOPPED 00000001"},
            {2, L"SERVICE_START_PENDING 00000002"},
            {3, L"SERVICE_STOP_PENDING 00000003"},
            {4, L"SERVICE_RUNNING 00000004"},
            {5, L"SERVICE_CONTINUE_PENDING 00000005"},
            {6, L"SERVICE_PAUSE_PENDING 00000006"},
            {7, L"SERVICE_PAUSED 00000007"},
            {0, L"Undefine 00000000"},
            {0xAB, L"Undefine 000000AB"},
            {0xFFFFFFFF, L"Undefine FFFFFFFF"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(serviceStateName(row.first), row.second) << row.first;
}

TEST(Services, MissingServiceIsNeitherRunningNorStoppedAndLogsError1060)
{
    TestMachine machine;
    const std::filesystem::path logFolder = std::filesystem::u8path(toHostPath(L"C:\\Log"));
    const bool hadLog = std::filesystem::exists(logFolder);
    std::error_code error;
    std::filesystem::create_directories(logFolder, error);
    ASSERT_FALSE(error) << error.message();
    const std::filesystem::path logFile = logFolder / "CoInstaller.log";

    const std::wstring name = TestMachine::uniqueName();
    EXPECT_FALSE(isServiceRegistered(name));
    EXPECT_FALSE(isServiceRunning(name));
    EXPECT_FALSE(stopService(name, 1000));
    // Names that are no service at all, although "" opens the services key itself.
    EXPECT_FALSE(isServiceRunning(L""));
    EXPECT_FALSE(stopService(L"", 1000));

    const std::string text = logText(logFile);
    EXPECT_NE(text.find("Failed to open Service " + toUtf8(name) + " with error 00000424\r\n"),
              std::string::npos)
            << text;
    if (!hadLog)
        std::filesystem::remove_all(logFolder, error);
}
