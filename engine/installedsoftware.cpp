#include "installedsoftware.h"

#include "registry.h"
#include "sysinfo.h"

#include <atomic>
#include <cwctype>
#include <unordered_map>

namespace engine {

const wchar_t *const InstalledSoftware::uninstallKey
        = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t *const InstalledSoftware::upgradeCodesKey
        = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Installer\\UpgradeCodes";

namespace {

const uint32_t view32Access = sys::RegAccess::Read | sys::RegAccess::Wow64_32Key; // 0x20219
const uint32_t view64Access = sys::RegAccess::Read | sys::RegAccess::Wow64_64Key; // 0x20119

uint32_t accessFor(RegistryView view)
{
    return view == RegistryView::Bits32 ? view32Access : view64Access;
}

std::wstring upper(std::wstring text)
{
    for (wchar_t &c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// One Uninstall entry as read, with the values that were present.
InstalledProduct readEntry(const sys::RegKey &entry, const std::wstring &name)
{
    InstalledProduct product;
    product.productCode = name;
    entry.readString(L"Publisher", product.publisher);
    entry.readString(L"DisplayName", product.displayName);
    if (!entry.readString(L"DisplayVersion", product.displayVersion))
        product.displayVersion = L"Unknown";
    return product;
}

InstalledProducts walk(RegistryView view)
{
    InstalledProducts products;
    const uint32_t access = accessFor(view);
    const sys::RegKey uninstall = sys::RegKey::open(
            sys::RegRoot::LocalMachine, InstalledSoftware::uninstallKey, access);
    if (!uninstall.isOpen())
        return products;
    std::wstring name;
    for (uint32_t index = 0; uninstall.enumKey(index, name) == sys::RegError::Success; ++index) {
        const sys::RegKey entry
                = sys::RegKey::open(sys::RegRoot::LocalMachine,
                                    std::wstring(InstalledSoftware::uninstallKey) + L"\\" + name,
                                    access);
        if (entry.isOpen())
            products.push_back(readEntry(entry, name));
    }
    return products;
}

// The Uninstall entry called code in one view, looked up directly.
bool lookUpEntry(RegistryView view, const std::wstring &code, InstalledProduct &product)
{
    const sys::RegKey entry
            = sys::RegKey::open(sys::RegRoot::LocalMachine,
                                std::wstring(InstalledSoftware::uninstallKey) + L"\\" + code,
                                accessFor(view));
    if (!entry.isOpen())
        return false;
    product = readEntry(entry, code);
    return true;
}

// The product codes registered under one packed upgrade code in one view, in value order.
std::vector<std::wstring> upgradeCodeProducts(RegistryView view, const std::wstring &packed)
{
    std::vector<std::wstring> codes;
    const sys::RegKey key
            = sys::RegKey::open(sys::RegRoot::LocalMachine,
                                std::wstring(InstalledSoftware::upgradeCodesKey) + L"\\" + packed,
                                accessFor(view));
    if (!key.isOpen())
        return codes;
    std::wstring name;
    for (uint32_t index = 0; key.enumValueName(index, name) == sys::RegError::Success; ++index) {
        // A value that is not a packed product code names nothing we could look up.
        const std::wstring code = InstalledSoftware::unpackGuid(name);
        if (!code.empty())
            codes.push_back(code);
    }
    return codes;
}

InstalledProducts userHiveProducts(const std::wstring &name)
{
    InstalledProducts products;
    const uint32_t access = sys::is64BitWindows() ? view64Access : view32Access;
    const sys::RegKey users = sys::RegKey::open(sys::RegRoot::Users, std::wstring(), access);
    if (!users.isOpen())
        return products;
    std::wstring user;
    for (uint32_t index = 0; users.enumKey(index, user) == sys::RegError::Success; ++index) {
        const sys::RegKey entry
                = sys::RegKey::open(sys::RegRoot::Users,
                                    user + L"\\" + InstalledSoftware::uninstallKey + L"\\" + name,
                                    access);
        if (entry.isOpen())
            products.push_back(readEntry(entry, name));
    }
    return products;
}

// The walks and lookups of one snapshot, filled on first use.
struct SnapshotCache
{
    struct ViewWalk
    {
        bool done = false;
        InstalledProducts products;
        std::unordered_map<std::wstring, size_t> byUpperCode; // first record of each name
    };
    ViewWalk walks[2];
    std::map<std::pair<int, std::wstring>, std::vector<std::wstring>> upgradeCodes;
    std::map<std::wstring, InstalledProducts> userHives;
    int depth = 0;
};

thread_local SnapshotCache *currentSnapshot = nullptr;
std::atomic<bool> snapshotsEnabled{true};

SnapshotCache *activeSnapshot()
{
    return snapshotsEnabled ? currentSnapshot : nullptr;
}

const SnapshotCache::ViewWalk &cachedViewWalk(SnapshotCache &cache, RegistryView view)
{
    SnapshotCache::ViewWalk &entry = cache.walks[view == RegistryView::Bits32 ? 0 : 1];
    if (!entry.done) {
        entry.products = walk(view);
        for (size_t i = 0; i < entry.products.size(); ++i)
            entry.byUpperCode.emplace(upper(entry.products[i].productCode), i);
        entry.done = true;
    }
    return entry;
}

// Walks one view, from the snapshot when there is one, and hands each record to visit.
template<typename Visit>
void forEachEntry(RegistryView view, Visit visit)
{
    if (SnapshotCache *cache = activeSnapshot()) {
        for (const InstalledProduct &product : cachedViewWalk(*cache, view).products)
            visit(product);
        return;
    }
    for (const InstalledProduct &product : walk(view))
        visit(product);
}

} // namespace

InstalledSoftware::Snapshot::Snapshot()
{
    if (!currentSnapshot)
        currentSnapshot = new SnapshotCache;
    ++currentSnapshot->depth;
}

InstalledSoftware::Snapshot::~Snapshot()
{
    if (--currentSnapshot->depth == 0) {
        delete currentSnapshot;
        currentSnapshot = nullptr;
    }
}

void InstalledSoftware::setSnapshotsEnabled(bool enabled)
{
    snapshotsEnabled = enabled;
}

std::vector<RegistryView> InstalledSoftware::views()
{
    if (sys::is64BitWindows())
        return {RegistryView::Bits32, RegistryView::Bits64};
    return {RegistryView::Bits32};
}

InstalledProducts InstalledSoftware::walkUninstall(RegistryView view)
{
    InstalledProducts products;
    forEachEntry(view, [&](const InstalledProduct &product) { products.push_back(product); });
    return products;
}

InstalledProducts
InstalledSoftware::findProductByCode(const std::vector<std::wstring> &productCodes)
{
    if (productCodes.empty())
        return findMakerProducts();
    InstalledProducts found;
    for (const std::wstring &requested : productCodes) {
        const std::wstring code = upper(requested);
        for (RegistryView view : views()) {
            if (SnapshotCache *cache = activeSnapshot()) {
                // Key names are unique regardless of case, so a view holds at most one.
                const SnapshotCache::ViewWalk &walked = cachedViewWalk(*cache, view);
                const auto index = walked.byUpperCode.find(code);
                if (index != walked.byUpperCode.end())
                    found.push_back(walked.products[index->second]);
                continue;
            }
            for (const InstalledProduct &product : walk(view)) {
                if (upper(product.productCode) == code)
                    found.push_back(product);
            }
        }
    }
    return found;
}

InstalledProducts InstalledSoftware::findMakerProducts(RegistryView view)
{
    InstalledProducts found;
    forEachEntry(view, [&](const InstalledProduct &product) {
        if (upper(product.publisher).find(L"TAMBERLIN") != std::wstring::npos)
            found.push_back(product);
    });
    return found;
}

InstalledProducts InstalledSoftware::findMakerProducts()
{
    InstalledProducts found;
    for (RegistryView view : views()) {
        const InstalledProducts some = findMakerProducts(view);
        found.insert(found.end(), some.begin(), some.end());
    }
    return found;
}

InstalledProducts InstalledSoftware::findProductInUserHives(const std::wstring &name)
{
    SnapshotCache *cache = activeSnapshot();
    if (!cache)
        return userHiveProducts(name);
    auto known = cache->userHives.find(name);
    if (known == cache->userHives.end())
        known = cache->userHives.emplace(name, userHiveProducts(name)).first;
    return known->second;
}

InstalledProducts InstalledSoftware::findProductsByDisplayName(const std::wstring &text)
{
    InstalledProducts found;
    for (RegistryView view : views()) {
        forEachEntry(view, [&](const InstalledProduct &product) {
            if (product.displayName.compare(0, text.size(), text) == 0)
                found.push_back(product);
        });
    }
    return found;
}

InstalledProducts InstalledSoftware::findProductsByUpgradeCode(const std::wstring &upgradeCode)
{
    InstalledProducts found;
    const std::wstring packed = packGuid(upgradeCode);
    if (packed.empty())
        return found;
    SnapshotCache *cache = activeSnapshot();
    for (RegistryView view : views()) {
        std::vector<std::wstring> codes;
        if (cache) {
            const auto key = std::make_pair(static_cast<int>(view), packed);
            auto known = cache->upgradeCodes.find(key);
            if (known == cache->upgradeCodes.end())
                known = cache->upgradeCodes.emplace(key, upgradeCodeProducts(view, packed)).first;
            codes = known->second;
        } else {
            codes = upgradeCodeProducts(view, packed);
        }
        for (const std::wstring &code : codes) {
            if (cache) {
                const SnapshotCache::ViewWalk &walked = cachedViewWalk(*cache, view);
                const auto index = walked.byUpperCode.find(upper(code));
                if (index != walked.byUpperCode.end()) {
                    InstalledProduct product = walked.products[index->second];
                    product.productCode = code;
                    found.push_back(product);
                }
            } else {
                InstalledProduct product;
                if (lookUpEntry(view, code, product))
                    found.push_back(product);
            }
        }
    }
    return found;
}

namespace {
// Positions in the braced form of each character of the packed form, in packed order.
const int packedOrder[32] = {8,  7,  6,  5,  4,  3,  2,  1,  13, 12, 11, 10, 18, 17, 16, 15,
                             21, 20, 23, 22, 26, 25, 28, 27, 30, 29, 32, 31, 34, 33, 36, 35};
} // namespace

std::wstring InstalledSoftware::packGuid(const std::wstring &guid)
{
    if (guid.size() != 38 || guid[0] != L'{' || guid[9] != L'-' || guid[14] != L'-'
        || guid[19] != L'-' || guid[24] != L'-' || guid[37] != L'}')
        return std::wstring();
    std::wstring packed(32, L'0');
    for (int i = 0; i < 32; ++i)
        packed[i] = guid[packedOrder[i]];
    return packed;
}

std::wstring InstalledSoftware::unpackGuid(const std::wstring &packed)
{
    if (packed.size() != 32)
        return std::wstring();
    std::wstring guid = L"{00000000-0000-0000-0000-000000000000}";
    for (int i = 0; i < 32; ++i)
        guid[packedOrder[i]] = packed[i];
    return guid;
}

} // namespace engine
