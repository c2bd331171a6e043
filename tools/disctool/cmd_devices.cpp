// disctool devices: the scanner list setup would choose from, as JSON.
// disctool device plug|unplug: connects or disconnects a USB scanner of the maker on the
// simulated machine, writing the keys in which Windows keeps a device (usbdevicesource.h), so
// that a person or a test can plug a scanner in while setup waits for one.

#include "disctoolcommand.h"

#include "machine.h"
#include "registry.h"
#include "scannerlist.h"
#include "usbinventory.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QCommandLineOption ProductId(QStringLiteral("product-id"),
                                   QStringLiteral("Only scanners with this USB product id."),
                                   QStringLiteral("HEX"));
const QCommandLineOption Model(QStringLiteral("model"),
                               QStringLiteral("What the scanner reports as its product."),
                               QStringLiteral("TEXT"));
const QCommandLineOption NoSerialInId(QStringLiteral("no-serial-in-id"),
                                      QStringLiteral("An instance id without the serial number, "
                                                     "as Windows gives some devices."));

const wchar_t ImagingClass[] = L"{6bdd1fc6-810f-11d0-bec7-08002be2092f}";
const wchar_t ClassKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Class\\";

QTextStream &errors()
{
    static QTextStream stream(stderr);
    stream.setCodec("UTF-8");
    return stream;
}

int fail(const QString &command, const QString &problem, int exitCode)
{
    errors().flush();
    if (exitCode == 2)
        return DiscToolCommand::refuse(problem);
    errors() << "disctool " << command << ": " << problem << '\n';
    errors().flush();
    return exitCode;
}

// A USB product id: one to four hexadecimal digits, "0x" allowed in front.
bool parseProductId(QString text, uint32_t &productId)
{
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (const QChar c : text) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    }
    productId = text.toUInt(nullptr, 16);
    return true;
}

QString productIdProblem(const QString &text)
{
    return QStringLiteral("the product id \"%1\" is not a hexadecimal number from 0 to FFFF")
            .arg(text);
}

QString hex4(uint32_t number)
{
    return QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0')).toUpper();
}

int runDevices(const QCommandLineParser &parser)
{
    const QString command = QStringLiteral("devices");
    if (!parser.positionalArguments().isEmpty())
        return fail(command,
                    QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().first()),
                    2);
    uint32_t productId = 0;
    if (parser.isSet(ProductId) && !parseProductId(parser.value(ProductId), productId))
        return fail(command, productIdProblem(parser.value(ProductId)), 2);
    QJsonArray list;
    for (const DeviceRecord &record : ScannerList::find(productId)) {
        list.append(QJsonObject{{"vendorId", double(record.vendorId)},
                                {"productId", double(record.productId)},
                                {"productIdText", QString::fromStdWString(record.productIdText)},
                                {"serial", QString::fromStdWString(record.serialNumber)},
                                {"model", QString::fromStdWString(record.model)},
                                {"network", record.network}});
    }
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    out << QJsonDocument(list).toJson(QJsonDocument::Indented);
    return 0;
}

class SimulatedScanner
{
public:
    SimulatedScanner(uint32_t productId, const QString &serial)
        : m_device(QStringLiteral("VID_%1&PID_%2")
                           .arg(hex4(UsbInventory::MakerVendorId), hex4(productId)))
        , m_deviceKey(QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\USB\\") + m_device)
        , m_serial(serial)
    {}

    QString instanceId(const QString &instance) const
    {
        return QStringLiteral("USB\\") + m_device + QLatin1Char('\\') + instance;
    }

    // The instance the scanner had when it was plugged in before: its serial number is the
    // instance's name or the one its hub reports.
    QString knownInstance() const
    {
        const sys::RegKey device = open(m_deviceKey);
        std::wstring name;
        for (uint32_t i = 0; device.enumKey(i, name) == sys::RegError::Success; ++i) {
            const QString instance = QString::fromStdWString(name);
            std::wstring reported;
            if (instance.compare(m_serial, Qt::CaseInsensitive) == 0
                || (open(instancePath(instance)).readString(L"TamSerialString", reported)
                    && QString::fromStdWString(reported) == m_serial))
                return instance;
        }
        return QString();
    }

    // Windows names a device that reports no serial number after its place on the bus.
    QString placeName() const
    {
        const QByteArray hash
                = QCryptographicHash::hash(m_serial.toUtf8(), QCryptographicHash::Md5);
        return QStringLiteral("6&%1&0&1").arg(QString::fromLatin1(hash.left(4).toHex().toUpper()));
    }

    long plug(const QString &instance, const QString &model) const
    {
        long rc = sys::RegError::Success;
        sys::RegKey key = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                              instancePath(instance).toStdWString(),
                                              sys::RegAccess::AllAccess,
                                              &rc);
        std::wstring driver;
        if (rc == sys::RegError::Success && !key.readString(L"Driver", driver))
            rc = createDriverKey(instance, driver);
        if (rc == sys::RegError::Success)
            rc = key.setString(L"Driver", driver);
        if (rc == sys::RegError::Success)
            rc = key.setString(L"ClassGUID", ImagingClass);
        if (rc == sys::RegError::Success)
            rc = key.setValue(L"CompatibleIDs",
                              multiString({L"USB\\Class_ff&SubClass_ff&Prot_ff",
                                           L"USB\\Class_ff&SubClass_ff",
                                           L"USB\\Class_ff"}));
        if (rc == sys::RegError::Success)
            rc = key.setString(L"TamSerialString", m_serial.toStdWString());
        if (rc == sys::RegError::Success)
            rc = model.isEmpty() ? removeValue(key, L"TamProductString")
                                 : key.setString(L"TamProductString", model.toStdWString());
        if (rc == sys::RegError::Success)
            rc = setFriendlyName(driver, model);
        // Last, so that nothing sees the scanner before its data is there.
        if (rc == sys::RegError::Success)
            rc = key.setDword(L"TamPresent", 1);
        return rc;
    }

    long unplug(const QString &instance) const
    {
        sys::RegKey key = sys::RegKey::open(sys::RegRoot::LocalMachine,
                                            instancePath(instance).toStdWString(),
                                            sys::RegAccess::AllAccess);
        // Windows keeps the keys of a device that was unplugged; only its presence ends.
        return key.setDword(L"TamPresent", 0);
    }

    static QString registryProblem(long rc)
    {
        const std::wstring message = sys::registryErrorMessage();
        return message.empty()
                       ? QStringLiteral("the registry refused the change (error %1)").arg(rc)
                       : QString::fromStdWString(message);
    }

private:
    static sys::RegKey open(const QString &path)
    {
        return sys::RegKey::open(
                sys::RegRoot::LocalMachine, path.toStdWString(), sys::RegAccess::Read);
    }

    QString instancePath(const QString &instance) const
    {
        return m_deviceKey + QLatin1Char('\\') + instance;
    }

    static sys::RegValue multiString(const std::vector<std::wstring> &strings)
    {
        sys::RegValue value;
        value.type = sys::RegType::MultiString;
        for (const std::wstring &text : strings) {
            const sys::RegValue one = sys::makeStringValue(text);
            value.data.insert(value.data.end(), one.data.begin(), one.data.end());
        }
        value.data.push_back(0);
        value.data.push_back(0);
        return value;
    }

    static long removeValue(sys::RegKey &key, const wchar_t *name)
    {
        const long rc = key.deleteValue(name);
        return rc == sys::RegError::FileNotFound ? sys::RegError::Success : rc;
    }

    // The imaging class's next free driver key, named as the scanner driver's installation
    // would name it, with the device's interface path.
    long createDriverKey(const QString &instance, std::wstring &driver) const
    {
        const std::wstring classPath = std::wstring(ClassKey) + ImagingClass;
        for (int number = 0; number < 10000; ++number) {
            const std::wstring name
                    = QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')).toStdWString();
            if (open(QString::fromStdWString(classPath + L"\\" + name)).isOpen())
                continue;
            long rc = sys::RegError::Success;
            sys::RegKey key = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                                  classPath + L"\\" + name,
                                                  sys::RegAccess::AllAccess,
                                                  &rc);
            if (rc != sys::RegError::Success)
                return rc;
            const QString symbolicName
                    = QStringLiteral("\\\\?\\USB#%1#%2#%3")
                              .arg(m_device, instance, QString::fromWCharArray(ImagingClass));
            driver = std::wstring(ImagingClass) + L"\\" + name;
            return key.setString(L"SymbolicName", symbolicName.toStdWString());
        }
        return sys::RegError::NoMoreItems;
    }

    long setFriendlyName(const std::wstring &driver, const QString &model) const
    {
        sys::RegKey key = sys::RegKey::open(
                sys::RegRoot::LocalMachine, ClassKey + driver, sys::RegAccess::AllAccess);
        if (!key.isOpen())
            return sys::RegError::Success; // a driver key of someone else's making
        return model.isEmpty() ? removeValue(key, L"FriendlyName")
                               : key.setString(L"FriendlyName", model.toStdWString());
    }

    QString m_device; // "VID_04A7&PID_0465"
    QString m_deviceKey;
    QString m_serial;
};

// Whether serial can stand in an instance id as Windows writes one.
bool fitsInstanceId(const QString &serial)
{
    for (const QChar c : serial) {
        if (c.unicode() <= 0x20 || c.unicode() > 0x7E || c == QLatin1Char('\\')
            || c == QLatin1Char('&') || c == QLatin1Char(','))
            return false;
    }
    return !serial.isEmpty();
}

int runDevice(const QCommandLineParser &parser)
{
    const QString command = QStringLiteral("device");
    const QString model = parser.value(Model);
    const bool modelGiven = parser.isSet(Model);
    const bool noSerialInId = parser.isSet(NoSerialInId);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3)
        return fail(
                command, QStringLiteral("a verb, a product id and a serial number are needed"), 2);
    const QString verb = positional.at(0);
    const bool plug = verb == QLatin1String("plug");
    if (!plug && verb != QLatin1String("unplug"))
        return fail(command, QStringLiteral("unknown verb \"%1\"").arg(verb), 2);
    if (!plug && (modelGiven || noSerialInId))
        return fail(command, QStringLiteral("unplug takes no --model or --no-serial-in-id"), 2);
    uint32_t productId = 0;
    if (!parseProductId(positional.at(1), productId))
        return fail(command, productIdProblem(positional.at(1)), 2);
    const QString serial = positional.at(2);
    if (serial.trimmed().isEmpty())
        return fail(command, QStringLiteral("the serial number is empty"), 2);
    if (sys::machineFolder().empty())
        return fail(command,
                    QStringLiteral("scanners are plugged into a simulated machine only; on "
                                   "Windows, connect a real one"),
                    1);

    const SimulatedScanner scanner(productId, serial);
    QString instance = scanner.knownInstance();
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    if (!plug) {
        if (instance.isEmpty())
            return fail(command,
                        QStringLiteral("no scanner with product id %1 and serial number \"%2\" was "
                                       "ever plugged in")
                                .arg(hex4(productId), serial),
                        1);
        const long rc = scanner.unplug(instance);
        if (rc != sys::RegError::Success)
            return fail(command, SimulatedScanner::registryProblem(rc), 1);
        out << "Unplugged " << scanner.instanceId(instance) << '\n';
        return 0;
    }
    if (instance.isEmpty()) {
        if (!noSerialInId && !fitsInstanceId(serial))
            return fail(command,
                        QStringLiteral("the serial number \"%1\" cannot be part of an instance id; "
                                       "use --no-serial-in-id")
                                .arg(serial),
                        2);
        instance = noSerialInId ? scanner.placeName() : serial;
    }
    const long rc = scanner.plug(instance, model);
    if (rc != sys::RegError::Success)
        return fail(command, SimulatedScanner::registryProblem(rc), 1);
    out << "Plugged in " << scanner.instanceId(instance) << '\n';
    return 0;
}

const DiscToolCommand
        devicesCommand("devices", {"[--product-id HEX]", {ProductId}, true}, runDevices);
const DiscToolCommand deviceCommand("device",
                                    {"plug PID SERIAL [--model TEXT] [--no-serial-in-id] | "
                                     "unplug PID SERIAL",
                                     {Model, NoSerialInId},
                                     true},
                                    runDevice);

} // namespace
