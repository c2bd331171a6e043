// A service the Windows service manager really has (Wine registers it too): only queried,
// never stopped.

#include "hostpath.h"
#include "services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sys;

TEST(ServicesWin, RealServiceIsRegisteredAndLogsItsState)
{
    const std::filesystem::path logFolder = std::filesystem::u8path(toHostPath(L"C:\\Log"));
    const bool hadLog = std::filesystem::exists(logFolder);
    std::error_code error;
    std::filesystem::create_directories(logFolder, error);
    ASSERT_FALSE(error) << error.message();

    EXPECT_TRUE(isServiceRegistered(L"RpcSs"));
    isServiceRunning(L"RpcSs");

    std::ifstream in(logFolder / "CoInstaller.log", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    EXPECT_NE(text.find("IsServiceRunning RpcSs state: SERVICE_"), std::string::npos) << text;
    if (!hadLog)
        std::filesystem::remove_all(logFolder, error);
}
