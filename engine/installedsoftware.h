#pragma once

// What Windows says is installed: walks of the Uninstall key and the Windows Installer
// UpgradeCodes key in both registry views, and the packed GUID form used as key names there.
// Plain C++ on sys::RegKey, so the same code runs in both programs and under Wine.

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace engine {

struct InstalledProduct
{
    std::wstring productCode; // name of the Uninstall subkey
    std::wstring displayName;
    std::wstring displayVersion; // "Unknown" when the entry has none
    std::wstring publisher;

    bool operator==(const InstalledProduct &other) const
    {
        return productCode == other.productCode && displayName == other.displayName
               && displayVersion == other.displayVersion && publisher == other.publisher;
    }
};

using InstalledProducts = std::vector<InstalledProduct>;

enum class RegistryView { Bits32, Bits64 };

class InstalledSoftware
{
public:
    // While at least one Snapshot lives on a thread, the queries of that thread reuse one walk
    // per view (and one lookup per upgrade code or user-hive name) instead of walking again.
    // The results are those of fresh walks taken when the first query ran; a refresh of the
    // installed state opens one so that a whole catalogue costs about one walk.
    class Snapshot
    {
    public:
        Snapshot();
        ~Snapshot();
        Snapshot(const Snapshot &) = delete;
        Snapshot &operator=(const Snapshot &) = delete;
    };

    // The views a walk covers: the 32-bit view, then the 64-bit view on 64-bit Windows.
    static std::vector<RegistryView> views();

    // For each code (compared in upper case with the subkey names) the records found, 32-bit
    // view first. An empty list gives findMakerProducts() of both views instead.
    static InstalledProducts findProductByCode(const std::vector<std::wstring> &productCodes);
    // Entries whose Publisher, in upper case, contains "TAMBERLIN".
    static InstalledProducts findMakerProducts(RegistryView view);
    static InstalledProducts findMakerProducts();
    // The Uninstall entry called name in the hive of every user under HKEY_USERS.
    static InstalledProducts findProductInUserHives(const std::wstring &name);
    // Entries whose DisplayName begins with text (case-sensitive), in walk order.
    static InstalledProducts findProductsByDisplayName(const std::wstring &text);
    // The products registered under a (braced) upgrade code, in value order.
    static InstalledProducts findProductsByUpgradeCode(const std::wstring &upgradeCode);
    // Every readable Uninstall entry of one view, in enumeration order.
    static InstalledProducts walkUninstall(RegistryView view);

    // "{12345678-9ABC-DEF0-1234-56789ABCDEF0}" <-> "87654321CBA90FED2143658709BADCFE"; empty
    // when the input does not have the exact shape.
    static std::wstring packGuid(const std::wstring &guid);
    static std::wstring unpackGuid(const std::wstring &packed);

    // Turns the snapshot reuse off (comparison runs in tests and benchmarks).
    static void setSnapshotsEnabled(bool enabled);

    static const wchar_t *const uninstallKey;
    static const wchar_t *const upgradeCodesKey;
};

} // namespace engine
