// A stand-in installer for the demo disc and the tests: it registers an Uninstall entry on the
// machine it runs on, as a real setup program would, and can be slow or fail on request.
//
//   demoinstaller /code={GUID} /name=TEXT [/version=X.Y] [/publisher=TEXT] [/upgrade={GUID}]
//                 [/delay=MS] [/exit=N] [/x86] [/record=FILE]
//   demoinstaller [/qn] /X{GUID}    removes that entry again (what msiexec /qn /X does)
//
// The usual quiet and language switches (/S, /q, /quiet, /qn, /lang=.., LANG=..) are accepted
// and ignored, so that catalogue command lines read like those of real setup programs.
//
// /x86 registers in the 32-bit view, as a 32-bit installer on 64-bit Windows does. /record
// (or the environment variable TAM_DEMO_RECORD) appends the arguments it was given, one per
// line, to FILE.

#include "hostpath.h"
#include "installedsoftware.h"
#include "process.h"
#include "registry.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

const wchar_t uninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct Options
{
    std::wstring code;
    std::wstring name;
    std::wstring version = L"1.0";
    std::wstring publisher = L"Tamberlin";
    std::wstring upgradeCode;
    std::wstring removeCode;
    std::wstring recordFile;
    unsigned delayMs = 0;
    int exitCode = 0;
    bool x86 = false;
};

bool takeValue(const std::wstring &argument, const wchar_t *prefix, std::wstring &value)
{
    const std::wstring head(prefix);
    if (argument.size() < head.size())
        return false;
    for (size_t i = 0; i < head.size(); ++i) {
        if (towlower(argument[i]) != towlower(head[i]))
            return false;
    }
    value = argument.substr(head.size());
    return true;
}

// The switches real setup programs take for a silent install in a given language.
bool isQuietSwitch(const std::wstring &argument)
{
    std::wstring value;
    for (const wchar_t *exact : {L"/qn", L"/S", L"/q", L"/quiet"}) {
        if (takeValue(argument, exact, value) && value.empty())
            return true;
    }
    return takeValue(argument, L"/lang=", value) || takeValue(argument, L"LANG=", value);
}

bool parse(const std::vector<std::wstring> &arguments, Options &options)
{
    for (const std::wstring &argument : arguments) {
        std::wstring value;
        if (takeValue(argument, L"/code=", value))
            options.code = value;
        else if (takeValue(argument, L"/name=", value))
            options.name = value;
        else if (takeValue(argument, L"/version=", value))
            options.version = value;
        else if (takeValue(argument, L"/publisher=", value))
            options.publisher = value;
        else if (takeValue(argument, L"/upgrade=", value))
            options.upgradeCode = value;
        else if (takeValue(argument, L"/record=", value))
            options.recordFile = value;
        else if (takeValue(argument, L"/delay=", value))
            options.delayMs = static_cast<unsigned>(std::wcstoul(value.c_str(), nullptr, 10));
        else if (takeValue(argument, L"/exit=", value))
            options.exitCode = static_cast<int>(std::wcstol(value.c_str(), nullptr, 10));
        else if (takeValue(argument, L"/x86", value) && value.empty())
            options.x86 = true;
        else if (isQuietSwitch(argument))
            continue; // this stand-in is always quiet and speaks no language
        else if (takeValue(argument, L"/X", value) && !value.empty())
            options.removeCode = value;
        else
            return false;
    }
    return !options.removeCode.empty() || (!options.code.empty() && !options.name.empty());
}

void record(const Options &options, const std::vector<std::wstring> &arguments)
{
    // Standing in for msiexec.exe, the command line is fixed: the record file comes from the
    // environment then.
    std::wstring file = options.recordFile;
    if (file.empty()) {
        if (const char *fromEnvironment = std::getenv("TAM_DEMO_RECORD"))
            file = sys::fromUtf8(fromEnvironment);
    }
    if (file.empty())
        return;
    // Binary: the same bytes on every platform (text mode would write CR LF on Windows).
    std::ofstream out(sys::toHostPath(file), std::ios::app | std::ios::binary);
    for (const std::wstring &argument : arguments)
        out << sys::toUtf8(argument) << '\n';
    out << "--\n";
}

int install(const Options &options)
{
    const uint32_t view = options.x86 ? sys::RegAccess::Wow64_32Key : sys::RegAccess::Wow64_64Key;
    sys::RegKey entry = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                            std::wstring(uninstallKey) + L"\\" + options.code,
                                            sys::RegAccess::AllAccess | view);
    if (!entry.isOpen()) {
        std::fprintf(stderr, "demoinstaller: cannot write the Uninstall entry\n");
        return 1603;
    }
    entry.setString(L"DisplayName", options.name);
    entry.setString(L"DisplayVersion", options.version);
    entry.setString(L"Publisher", options.publisher);
    entry.setDword(L"NoModify", 1);
    if (!options.upgradeCode.empty()) {
        const std::wstring packedUpgrade = engine::InstalledSoftware::packGuid(options.upgradeCode);
        const std::wstring packedProduct = engine::InstalledSoftware::packGuid(options.code);
        if (!packedUpgrade.empty() && !packedProduct.empty()) {
            sys::RegKey upgrade = sys::RegKey::create(
                    sys::RegRoot::LocalMachine,
                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Installer\\UpgradeCodes\\"
                            + packedUpgrade,
                    sys::RegAccess::AllAccess | view);
            upgrade.setString(packedProduct, L"");
        }
    }
    return 0;
}

int remove(const Options &options)
{
    long result = 0;
    for (uint32_t view : {sys::RegAccess::Wow64_32Key, sys::RegAccess::Wow64_64Key}) {
        result = sys::RegKey::deleteTree(sys::RegRoot::LocalMachine,
                                         std::wstring(uninstallKey) + L"\\" + options.removeCode,
                                         sys::RegAccess::AllAccess | view);
    }
    return result == 0 ? 0 : 1605; // ERROR_UNKNOWN_PRODUCT
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::wstring> arguments = sys::programArguments(argc, argv);
    if (!arguments.empty())
        arguments.erase(arguments.begin());

    Options options;
    if (!parse(arguments, options)) {
        std::fprintf(stderr,
                     "usage: demoinstaller /code={GUID} /name=TEXT [/version=X.Y] "
                     "[/publisher=TEXT] [/upgrade={GUID}] [/delay=MS] [/exit=N] [/x86] "
                     "[/record=FILE] | /X{GUID}\n");
        return 87;
    }
    record(options, arguments);
    if (options.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(options.delayMs));
    const int result = options.removeCode.empty() ? install(options) : remove(options);
    return result != 0 ? result : options.exitCode;
}
