// Replays stored inputs through a fuzz target without libFuzzer: every file named on the command
// line, or found (recursively) in a folder named there, is handed to LLVMFuzzerTestOneInput once.
// A crash or sanitizer report ends the program, which fails the test that runs it.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

void collect(const std::filesystem::path &path, std::vector<std::filesystem::path> &files)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(path, error)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
    } else if (std::filesystem::is_regular_file(path, error)) {
        files.push_back(path);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i)
        collect(argv[i], files);
    double slowest = 0;
    std::string slowestName;
    for (const std::filesystem::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        std::printf("replaying %s\n", file.string().c_str());
        std::fflush(stdout);
        const auto start = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
        const double seconds
                = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > slowest) {
            slowest = seconds;
            slowestName = file.filename().string();
        }
    }
    std::printf("replayed %zu inputs; slowest %.3f s (%s)\n",
                files.size(),
                slowest,
                slowestName.c_str());
    return files.empty() ? 1 : 0;
}
