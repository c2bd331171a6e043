#include "checker.h"

#include "installedsoftware.h"
#include "messageseam.h"
#include "registry.h"
#include "versioncompare.h"

#include <QStringList>

namespace {

sys::RegRoot rootFromName(const QString &name)
{
    const QString root = name.toUpper();
    if (root == QLatin1String("HKEY_CLASSES_ROOT"))
        return sys::RegRoot::ClassesRoot;
    if (root == QLatin1String("HKEY_CURRENT_USER"))
        return sys::RegRoot::CurrentUser;
    if (root == QLatin1String("HKEY_USERS"))
        return sys::RegRoot::Users;
    return sys::RegRoot::LocalMachine;
}

// Opens path under root as the checks do: the process's own view first, then the 64-bit one
// (a 32-bit process on 64-bit Windows would otherwise never see 64-bit products).
sys::RegKey openForCheck(sys::RegRoot root, const QString &path)
{
    const std::wstring keyPath = path.toStdWString();
    sys::RegKey key = sys::RegKey::open(root, keyPath, sys::RegAccess::Read);
    if (!key.isOpen())
        key = sys::RegKey::open(root, keyPath, sys::RegAccess::Read | sys::RegAccess::Wow64_64Key);
    return key;
}

// A registry value as text: strings as they are, numbers in decimal; false for other types.
bool valueAsText(const sys::RegValue &value, QString &text)
{
    switch (value.type) {
    case sys::RegType::String:
    case sys::RegType::ExpandString:
        text = QString::fromStdWString(sys::stringFromValue(value));
        return true;
    case sys::RegType::Dword:
        if (value.data.size() < 4)
            return false;
        text = QString::number(quint32(value.data[0]) | quint32(value.data[1]) << 8
                               | quint32(value.data[2]) << 16 | quint32(value.data[3]) << 24);
        return true;
    case sys::RegType::Qword: {
        if (value.data.size() < 8)
            return false;
        quint64 number = 0;
        for (int i = 7; i >= 0; --i)
            number = (number << 8) | value.data[size_t(i)];
        text = QString::number(number);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

Checker::Checker(QObject *owner)
    : m_owner(owner)
    , m_errorTitle(QStringLiteral("Design Time Error"))
{}

Checker::Type Checker::typeFromString(const QString &spelling)
{
    static const char *const names[] = {"installer",
                                        "file",
                                        "settings",
                                        "registrykey",
                                        "ignored",
                                        "upgrcode",
                                        "displayname",
                                        "uninstall_all",
                                        "registrykeyvalue"};
    const QString lower = spelling.toLower();
    for (int i = 0; i < int(sizeof(names) / sizeof(names[0])); ++i) {
        if (lower == QLatin1String(names[i]))
            return Type(i + 1);
    }
    return Type::Unknown;
}

Checker::Type Checker::typeFromNumber(int number)
{
    if (number < int(Type::Unknown) || number > int(Type::RegistryKeyValue))
        return Type::Unknown;
    return Type(number);
}

int Checker::matchModeFromString(const QString &spelling)
{
    struct Spelling
    {
        const char *text;
        int mode;
    };
    static const Spelling spellings[] = {
            {"exists", engine::MatchMode::Exists},
            {"isexact", engine::MatchMode::IsExact},
            {"isequal", engine::MatchMode::IsEqual},
            {"isnewer", engine::MatchMode::IsNewer},
            {"isgreater", engine::MatchMode::IsNewer},
            {"isgreaterthan", engine::MatchMode::IsNewer},
            {"isequalornewer", engine::MatchMode::IsEqualOrNewer},
            {"isequalorgreater", engine::MatchMode::IsEqualOrNewer},
            {"isequalorgreaterthan", engine::MatchMode::IsEqualOrNewer},
            {"isolder", engine::MatchMode::IsOlder},
            {"isless", engine::MatchMode::IsOlder},
            {"islessthan", engine::MatchMode::IsOlder},
            {"isequalorolder", engine::MatchMode::IsEqualOrOlder},
            {"isequalorless", engine::MatchMode::IsEqualOrOlder},
            {"isequalorlessthan", engine::MatchMode::IsEqualOrOlder},
    };
    const QString lower = spelling.toLower();
    for (const Spelling &entry : spellings) {
        if (lower == QLatin1String(entry.text))
            return entry.mode;
    }
    return engine::MatchMode::None;
}

int Checker::matchModeFromText(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number;
    const int mode = matchModeFromString(text);
    return mode != engine::MatchMode::None ? mode : -1;
}

void Checker::setType(Type type)
{
    m_type = type;
    m_configured = true;
}

void Checker::setType(const QString &spelling)
{
    setType(typeFromString(spelling));
}

void Checker::setQueryRoot(const QString &root)
{
    m_queryRoot = root;
    m_configured = true;
}

void Checker::setQueryValue(const QString &value)
{
    m_queryValue = value;
    m_configured = true;
}

void Checker::setMatchValue(const QString &value)
{
    m_matchValue = value;
    m_configured = true;
}

void Checker::setMatchMode(int mode)
{
    m_matchMode = mode;
    m_configured = true;
}

void Checker::setMatchMode(const QString &spelling)
{
    setMatchMode(matchModeFromString(spelling));
}

void Checker::setOwner(QObject *owner)
{
    m_owner = owner;
}

void Checker::setCheckForAnotherVersion(bool check)
{
    m_checkForAnotherVersion = check;
}

void Checker::setConfigured(bool configured)
{
    m_configured = configured;
}

bool Checker::decideByMode(const QString &version) const
{
    if (m_matchMode == engine::MatchMode::Exists)
        return true;
    if (m_matchMode >= engine::MatchMode::IsExact
        && m_matchMode <= engine::MatchMode::IsEqualOrOlder)
        return engine::compareVersions(
                version.toStdWString(), m_matchValue.toStdWString(), m_matchMode);
    return false;
}

bool Checker::check()
{
    if (!m_configured)
        return false;

    engine::InstalledProducts products;
    switch (m_type) {
    case Type::InstallerCode:
        products = engine::InstalledSoftware::findProductByCode({m_queryValue.toStdWString()});
        break;
    case Type::File:
    case Type::Settings:
        return false;
    case Type::RegistryKey:
        return checkRegistryKey();
    case Type::Ignored:
        m_ignored = true;
        return true;
    case Type::UpgradeCode: {
        products
                = engine::InstalledSoftware::findProductsByUpgradeCode(m_queryValue.toStdWString());
        for (const engine::InstalledProduct &product : products) {
            m_foundVersion = QString::fromStdWString(product.displayVersion);
            m_foundProductCode = QString::fromStdWString(product.productCode);
            if (decideByMode(m_foundVersion))
                return true;
        }
        return false;
    }
    case Type::DisplayName:
        products
                = engine::InstalledSoftware::findProductsByDisplayName(m_queryValue.toStdWString());
        break;
    case Type::UninstallAll:
        products = engine::InstalledSoftware::findProductInUserHives(m_queryValue.toStdWString());
        break;
    case Type::RegistryKeyValue:
        return checkRegistryKeyValue();
    case Type::Unknown:
        MessageSeam::show(m_owner,
                          MessageSeam::Critical,
                          m_errorTitle,
                          QStringLiteral("An installer checker specified an unknown type of "
                                         "checking."),
                          MessageSeam::Ok,
                          MessageSeam::KeepOnTop);
        return false;
    }

    if (products.empty())
        return false;
    const engine::InstalledProduct &product = products.front();
    m_foundVersion = QString::fromStdWString(product.displayVersion);
    m_foundProductCode = QString::fromStdWString(product.productCode);
    return decideByMode(m_foundVersion);
}

bool Checker::checkRegistryKey() const
{
    return openForCheck(rootFromName(m_queryRoot), m_queryValue).isOpen();
}

bool Checker::checkRegistryKeyValue()
{
    const QStringList parts = m_queryValue.split(QLatin1Char('^'));
    const sys::RegKey key = openForCheck(rootFromName(m_queryRoot), parts.value(0));
    if (!key.isOpen() || parts.size() < 2)
        return false;
    sys::RegValue value;
    QString text;
    if (key.queryValue(parts.at(1).toStdWString(), value) != sys::RegError::Success
        || !valueAsText(value, text))
        return false;
    m_foundVersion = text;
    return decideByMode(text);
}
