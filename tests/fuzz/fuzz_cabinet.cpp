// Cabinet extraction on the simulated machine: any bytes, as a cabinet in a fresh folder (and
// as the next cabinet of a chain beside it), end in bounded time, write nothing outside that
// folder, leave the cabinet being read as it was, and leave no file there that was not
// reported whole.

#include "cextract.h"
#include "fuzzsupport.h"
#include "hostpath.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fs::path root = fuzz::scratchMachine();
    const fs::path drive = root / "drive_c";
    const fs::path folder = drive / "fuzz" / "payload";
    std::error_code ignored;
    fs::remove_all(drive, ignored);
    fs::create_directories(folder);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    writeFile(folder / "a.cab", bytes);
    writeFile(folder / "b.cab", bytes);

    Cabinet::CExtract extract;
    std::set<fs::path> written{folder / "a.cab", folder / "b.cab"};
    extract.setFileWritten([&](const std::wstring &path) {
        written.insert(fs::path(sys::toHostPath(path)).lexically_normal());
    });
    extract.Extract(L"C:\\fuzz\\payload\\a.cab");

    FUZZ_CHECK(readFile(folder / "a.cab") == bytes);
    for (auto it = fs::recursive_directory_iterator(drive);
         it != fs::recursive_directory_iterator();
         ++it) {
        FUZZ_CHECK(!it->is_symlink());
        const fs::path relative = fs::relative(it->path(), folder);
        FUZZ_CHECK(it->path() == folder.parent_path()
                   || (!relative.empty() && *relative.begin() != ".."));
        FUZZ_CHECK(!it->is_regular_file() || written.count(it->path().lexically_normal()));
        // Make room for the next run: a read-only file would stay otherwise.
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    return 0;
}
