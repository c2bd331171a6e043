// Stands in for the DNS-SD responder in tests: notes how it was started in
// "responder-started.txt" beside it ("NAME ARGUMENTS", one line per start), holds the
// responder lock the test double checks, and runs until it is ended.

#include "doubleplatform.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

int main(int argc, char *argv[])
{
    const std::filesystem::path folder = doubleplatform::moduleFolder();
    if (!doubleplatform::holdResponderLock(folder))
        return 1;
    std::ofstream log(folder / "responder-started.txt", std::ios::app);
    log << std::filesystem::path(argv[0]).stem().string();
    for (int i = 1; i < argc; ++i)
        log << ' ' << argv[i];
    log << std::endl;
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}
