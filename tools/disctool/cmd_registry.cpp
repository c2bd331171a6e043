// disctool registry: reg.exe's query, add, delete, import and export verbs on the registry of
// the machine (the simulated one of --machine DIR or TAM_MACHINE off Windows).

#include "disctoolcommand.h"

#include "machine.h"
#include "registry.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <memory>

namespace {

const char usageText[] = "VERB ...\n"
                         "      query KEY [/v NAME | /ve] [/s] [/reg:32|/reg:64]\n"
                         "      add KEY [/v NAME | /ve] [/t TYPE] [/s SEPARATOR] [/d DATA] [/f] "
                         "[/reg:32|/reg:64]\n"
                         "      delete KEY [/v NAME | /ve | /va] [/f] [/reg:32|/reg:64]\n"
                         "      import FILE.reg [/reg:32|/reg:64]\n"
                         "      export KEY FILE.reg [/y] [/reg:32|/reg:64]\n"
                         "      KEY: HKLM|HKCU|HKU|HKCR (or the long names) \\ path;\n"
                         "      TYPE: REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_QWORD, "
                         "REG_BINARY, REG_NONE";

const char notFound[] = "ERROR: The system was unable to find the specified registry key or value.";
const char completed[] = "The operation completed successfully.";

struct TypeName
{
    uint32_t type;
    const char *name;
};
const TypeName typeNames[] = {
        {0, "REG_NONE"},
        {1, "REG_SZ"},
        {2, "REG_EXPAND_SZ"},
        {3, "REG_BINARY"},
        {4, "REG_DWORD"},
        {5, "REG_DWORD_BIG_ENDIAN"},
        {6, "REG_LINK"},
        {7, "REG_MULTI_SZ"},
        {8, "REG_RESOURCE_LIST"},
        {9, "REG_FULL_RESOURCE_DESCRIPTOR"},
        {10, "REG_RESOURCE_REQUIREMENTS_LIST"},
        {11, "REG_QWORD"},
};

QString typeName(uint32_t type)
{
    for (const TypeName &entry : typeNames) {
        if (entry.type == type)
            return QLatin1String(entry.name);
    }
    return QStringLiteral("0x%1").arg(type, 0, 16);
}

bool typeFromName(const QString &name, uint32_t &type)
{
    for (const TypeName &entry : typeNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            type = entry.type;
            return true;
        }
    }
    return false;
}

uint64_t littleEndian(const std::vector<uint8_t> &data, size_t bytes)
{
    uint64_t number = 0;
    for (size_t i = 0; i < bytes && i < data.size(); ++i)
        number |= static_cast<uint64_t>(data[i]) << (8 * i);
    return number;
}

// Value data the way reg.exe prints it.
QString dataText(const sys::RegValue &value)
{
    switch (value.type) {
    case sys::RegType::String:
    case sys::RegType::ExpandString:
        return QString::fromStdWString(sys::stringFromValue(value));
    case sys::RegType::Dword:
        if (value.data.size() == 4)
            return QStringLiteral("0x") + QString::number(littleEndian(value.data, 4), 16);
        break;
    case sys::RegType::Qword:
        if (value.data.size() == 8)
            return QStringLiteral("0x") + QString::number(littleEndian(value.data, 8), 16);
        break;
    case sys::RegType::MultiString: {
        QString all;
        for (size_t i = 0; i + 1 < value.data.size(); i += 2)
            all.append(QChar(static_cast<ushort>(value.data[i] | (value.data[i + 1] << 8))));
        QStringList parts = all.split(QChar(0));
        while (!parts.isEmpty() && parts.last().isEmpty())
            parts.removeLast();
        return parts.join(QStringLiteral("\\0"));
    }
    default:
        break;
    }
    QString hex;
    for (uint8_t byte : value.data)
        hex += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return hex;
}

class RegistryTool
{
public:
    int run(const QCommandLineParser &parser)
    {
        QStringList arguments = parser.positionalArguments();
        if (arguments.isEmpty())
            return usage(QStringLiteral("a verb is missing"));
        const QString verb = arguments.takeFirst().toLower();
        m_verbIsAdd = verb == QLatin1String("add");
        if (!parseSwitches(arguments))
            return 1;
        if (verb == QLatin1String("query"))
            return query();
        if (verb == QLatin1String("add"))
            return add();
        if (verb == QLatin1String("delete"))
            return remove();
        if (verb == QLatin1String("import"))
            return import();
        if (verb == QLatin1String("export"))
            return exportKey();
        return usage(QStringLiteral("unknown verb \"%1\"").arg(verb));
    }

private:
    // Only reg.exe's own switches count, so that host paths like /tmp/x.reg stay arguments.
    bool isSwitch(const QString &argument) const
    {
        static const QStringList known = {QStringLiteral("v"),
                                          QStringLiteral("ve"),
                                          QStringLiteral("va"),
                                          QStringLiteral("t"),
                                          QStringLiteral("d"),
                                          QStringLiteral("s"),
                                          QStringLiteral("f"),
                                          QStringLiteral("y"),
                                          QStringLiteral("reg:32"),
                                          QStringLiteral("reg:64")};
        return argument.size() > 1
               && (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')))
               && known.contains(argument.mid(1).toLower());
    }

    // Splits the arguments into positional ones and reg.exe's switches (any case, / or -).
    bool parseSwitches(const QStringList &arguments)
    {
        for (int i = 0; i < arguments.size(); ++i) {
            const QString &argument = arguments.at(i);
            if (!isSwitch(argument)) {
                m_positional << argument;
                continue;
            }
            const QString name = argument.mid(1).toLower();
            // For add, /s names the multi-string separator; for query it means "recurse".
            const bool takesValue = name == QLatin1String("v") || name == QLatin1String("t")
                                    || name == QLatin1String("d")
                                    || (name == QLatin1String("s") && m_verbIsAdd);
            if (name == QLatin1String("reg:32")) {
                m_view = sys::RegAccess::Wow64_32Key;
            } else if (name == QLatin1String("reg:64")) {
                m_view = sys::RegAccess::Wow64_64Key;
            } else if (takesValue) {
                if (i + 1 >= arguments.size()) {
                    error(QStringLiteral("ERROR: %1 needs a value.").arg(argument));
                    return false;
                }
                m_switches.insert(name, arguments.at(++i));
            } else {
                m_switches.insert(name, QString());
            }
        }
        return true;
    }

    bool keyArgument(sys::RegRoot &root, std::wstring &path, QString &shown) const
    {
        if (m_positional.isEmpty()) {
            error(QStringLiteral("ERROR: Invalid syntax: the key is missing."));
            return false;
        }
        const QString key = m_positional.first();
        if (!sys::splitRootPath(key.toStdWString(), root, path)) {
            error(QStringLiteral("ERROR: Invalid key name \"%1\": it must start with HKLM, HKCU, "
                                 "HKU or HKCR.")
                          .arg(key));
            return false;
        }
        shown = QString::fromStdWString(sys::rootName(root));
        if (!path.empty())
            shown += QLatin1Char('\\') + QString::fromStdWString(path);
        return true;
    }

    bool valueArgument(std::wstring &name, bool &given) const
    {
        const bool v = m_switches.contains(QStringLiteral("v"));
        const bool ve = m_switches.contains(QStringLiteral("ve"));
        if (v && ve) {
            error(QStringLiteral("ERROR: Invalid syntax: use either /v or /ve."));
            return false;
        }
        given = v || ve;
        name = v ? m_switches.value(QStringLiteral("v")).toStdWString() : std::wstring();
        return true;
    }

    int failure(long rc) const
    {
        if (rc == sys::RegError::FileNotFound)
            error(QLatin1String(notFound));
        else if (rc == sys::RegError::AccessDenied)
            error(QStringLiteral("ERROR: Access is denied."));
        else if (!sys::registryErrorMessage().empty())
            error(QStringLiteral("ERROR: %1")
                          .arg(QString::fromStdWString(sys::registryErrorMessage())));
        else
            error(QStringLiteral("ERROR: The registry refused the operation (error %1).").arg(rc));
        return 1;
    }

    int query()
    {
        sys::RegRoot root;
        std::wstring path;
        QString shown;
        std::wstring valueName;
        bool oneValue = false;
        if (!keyArgument(root, path, shown) || !valueArgument(valueName, oneValue)
            || !onlyPositional(1))
            return 1;
        long rc = sys::RegError::Success;
        const sys::RegKey key = sys::RegKey::open(root, path, sys::RegAccess::Read | m_view, &rc);
        if (rc != sys::RegError::Success)
            return failure(rc);
        const bool recurse = m_switches.contains(QStringLiteral("s"));
        if (!oneValue) {
            rc = printKey(key, root, path, shown, recurse);
            return rc == sys::RegError::Success ? 0 : failure(rc);
        }
        int matches = 0;
        rc = printValue(key, root, path, shown, valueName, recurse, matches);
        if (rc != sys::RegError::Success)
            return failure(rc);
        if (recurse)
            out() << "End of search: " << matches << " match(es) found.\n";
        return matches > 0 ? 0 : failure(sys::RegError::FileNotFound);
    }

    void printLine(const std::wstring &name, const sys::RegValue &value)
    {
        out() << "    "
              << (name.empty() ? QStringLiteral("(Default)") : QString::fromStdWString(name))
              << "    " << typeName(value.type) << "    " << dataText(value) << '\n';
    }

    long subkeyNames(const sys::RegKey &key, std::vector<std::wstring> &names)
    {
        std::wstring name;
        for (uint32_t i = 0;; ++i) {
            const long rc = key.enumKey(i, name);
            if (rc == sys::RegError::NoMoreItems)
                return sys::RegError::Success;
            if (rc != sys::RegError::Success)
                return rc;
            names.push_back(name);
        }
    }

    long printKey(const sys::RegKey &key,
                  sys::RegRoot root,
                  const std::wstring &path,
                  const QString &shown,
                  bool recurse)
    {
        out() << '\n' << shown << '\n';
        std::wstring name;
        for (uint32_t i = 0;; ++i) {
            long rc = key.enumValueName(i, name);
            if (rc == sys::RegError::NoMoreItems)
                break;
            sys::RegValue value;
            if (rc == sys::RegError::Success)
                rc = key.queryValue(name, value);
            if (rc != sys::RegError::Success)
                return rc;
            printLine(name, value);
        }
        std::vector<std::wstring> names;
        long rc = subkeyNames(key, names);
        if (rc != sys::RegError::Success)
            return rc;
        if (!recurse) {
            if (!names.empty())
                out() << '\n';
            for (const std::wstring &sub : names)
                out() << shown << '\\' << QString::fromStdWString(sub) << '\n';
            return sys::RegError::Success;
        }
        for (const std::wstring &sub : names) {
            const std::wstring subPath = path.empty() ? sub : path + L"\\" + sub;
            const sys::RegKey child
                    = sys::RegKey::open(root, subPath, sys::RegAccess::Read | m_view, &rc);
            if (rc == sys::RegError::Success)
                rc = printKey(child,
                              root,
                              subPath,
                              shown + QLatin1Char('\\') + QString::fromStdWString(sub),
                              true);
            if (rc != sys::RegError::Success)
                return rc;
        }
        return sys::RegError::Success;
    }

    // The value's name as the key spells it (names are found without regard to case).
    static std::wstring storedName(const sys::RegKey &key, const std::wstring &asked)
    {
        const QString wanted = QString::fromStdWString(asked);
        std::wstring name;
        for (uint32_t i = 0; key.enumValueName(i, name) == sys::RegError::Success; ++i) {
            if (QString::fromStdWString(name).compare(wanted, Qt::CaseInsensitive) == 0)
                return name;
        }
        return asked;
    }

    long printValue(const sys::RegKey &key,
                    sys::RegRoot root,
                    const std::wstring &path,
                    const QString &shown,
                    const std::wstring &valueName,
                    bool recurse,
                    int &matches)
    {
        sys::RegValue value;
        long rc = key.queryValue(valueName, value);
        if (rc == sys::RegError::Success) {
            out() << '\n' << shown << '\n';
            printLine(storedName(key, valueName), value);
            ++matches;
        } else if (rc == sys::RegError::FileNotFound && valueName.empty()
                   && m_switches.contains(QStringLiteral("ve")) && !recurse) {
            // reg.exe shows an unset default value instead of failing.
            out() << '\n' << shown << '\n' << "    (Default)    REG_SZ    (value not set)\n";
            ++matches;
        } else if (rc != sys::RegError::FileNotFound) {
            return rc;
        }
        if (!recurse)
            return sys::RegError::Success;
        std::vector<std::wstring> names;
        rc = subkeyNames(key, names);
        for (size_t i = 0; rc == sys::RegError::Success && i < names.size(); ++i) {
            const std::wstring subPath = path.empty() ? names[i] : path + L"\\" + names[i];
            const sys::RegKey child
                    = sys::RegKey::open(root, subPath, sys::RegAccess::Read | m_view, &rc);
            if (rc == sys::RegError::Success)
                rc = printValue(child,
                                root,
                                subPath,
                                shown + QLatin1Char('\\') + QString::fromStdWString(names[i]),
                                valueName,
                                true,
                                matches);
        }
        return rc;
    }

    bool parseData(uint32_t type, const QString &text, sys::RegValue &value) const
    {
        value = sys::RegValue();
        value.type = type;
        switch (type) {
        case sys::RegType::String:
        case sys::RegType::ExpandString:
            value = sys::makeStringValue(text.toStdWString(), type);
            return true;
        case sys::RegType::MultiString: {
            const QString separator = m_switches.value(QStringLiteral("s"), QStringLiteral("\\0"));
            QStringList parts = text.isEmpty() ? QStringList() : text.split(separator);
            for (const QString &part : parts) {
                if (part.isEmpty())
                    return false; // reg.exe refuses empty strings inside a multi-string
                const sys::RegValue one = sys::makeStringValue(part.toStdWString());
                value.data.insert(value.data.end(), one.data.begin(), one.data.end());
            }
            value.data.push_back(0);
            value.data.push_back(0);
            return true;
        }
        case sys::RegType::Dword:
        case sys::RegType::Qword: {
            bool ok = false;
            const QString number = text.trimmed();
            const qulonglong parsed = number.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                              ? number.mid(2).toULongLong(&ok, 16)
                                              : number.toULongLong(&ok, 10);
            if (!ok || (type == sys::RegType::Dword && parsed > 0xFFFFFFFFull))
                return false;
            for (int i = 0; i < (type == sys::RegType::Dword ? 4 : 8); ++i)
                value.data.push_back(static_cast<uint8_t>((parsed >> (8 * i)) & 0xFF));
            return true;
        }
        default: {
            if (text.size() % 2 != 0)
                return false;
            for (int i = 0; i < text.size(); i += 2) {
                bool ok = false;
                const uint byte = text.mid(i, 2).toUInt(&ok, 16);
                if (!ok)
                    return false;
                value.data.push_back(static_cast<uint8_t>(byte));
            }
            return true;
        }
        }
    }

    int add()
    {
        sys::RegRoot root;
        std::wstring path;
        QString shown;
        std::wstring valueName;
        bool valueGiven = false;
        if (!keyArgument(root, path, shown) || !valueArgument(valueName, valueGiven)
            || !onlyPositional(1))
            return 1;
        const bool hasData = m_switches.contains(QStringLiteral("d"))
                             || m_switches.contains(QStringLiteral("t"));
        uint32_t type = sys::RegType::String;
        if (m_switches.contains(QStringLiteral("t"))
            && !typeFromName(m_switches.value(QStringLiteral("t")), type)) {
            error(QStringLiteral("ERROR: Invalid type \"%1\".")
                          .arg(m_switches.value(QStringLiteral("t"))));
            return 1;
        }
        sys::RegValue value;
        if ((valueGiven || hasData)
            && !parseData(type, m_switches.value(QStringLiteral("d")), value)) {
            error(QStringLiteral("ERROR: Invalid data \"%1\" for %2.")
                          .arg(m_switches.value(QStringLiteral("d")), typeName(type)));
            return 1;
        }
        long rc = sys::RegError::Success;
        sys::RegKey key = sys::RegKey::create(root, path, sys::RegAccess::AllAccess | m_view, &rc);
        if (rc != sys::RegError::Success)
            return failure(rc);
        if (valueGiven || hasData) {
            sys::RegValue existing;
            if (key.queryValue(valueName, existing) == sys::RegError::Success
                && !m_switches.contains(QStringLiteral("f"))
                && !confirm(QStringLiteral("Value %1 exists, overwrite(Yes/No)? ")
                                    .arg(valueName.empty() ? QStringLiteral("(Default)")
                                                           : QString::fromStdWString(valueName))))
                return cancelled();
            rc = key.setValue(valueName, value);
            if (rc != sys::RegError::Success)
                return failure(rc);
        }
        out() << completed << '\n';
        return 0;
    }

    int remove()
    {
        sys::RegRoot root;
        std::wstring path;
        QString shown;
        std::wstring valueName;
        bool valueGiven = false;
        if (!keyArgument(root, path, shown) || !valueArgument(valueName, valueGiven)
            || !onlyPositional(1))
            return 1;
        const bool force = m_switches.contains(QStringLiteral("f"));
        const bool allValues = m_switches.contains(QStringLiteral("va"));
        if (!valueGiven && !allValues) {
            if (path.empty()) {
                error(QStringLiteral("ERROR: A root key cannot be deleted."));
                return 1;
            }
            long rc = sys::RegError::Success;
            sys::RegKey::open(root, path, sys::RegAccess::Read | m_view, &rc);
            if (rc != sys::RegError::Success)
                return failure(rc);
            if (!force
                && !confirm(QStringLiteral("Permanently delete the registry key %1 (Yes/No)? ")
                                    .arg(shown)))
                return cancelled();
            rc = sys::RegKey::deleteTree(root, path, m_view);
            if (rc != sys::RegError::Success)
                return failure(rc);
            out() << completed << '\n';
            return 0;
        }
        long rc = sys::RegError::Success;
        sys::RegKey key = sys::RegKey::open(
                root, path, sys::RegAccess::Read | sys::RegAccess::SetValue | m_view, &rc);
        if (rc != sys::RegError::Success)
            return failure(rc);
        std::vector<std::wstring> names;
        if (allValues) {
            std::wstring name;
            for (uint32_t i = 0; key.enumValueName(i, name) == sys::RegError::Success; ++i)
                names.push_back(name);
        } else {
            sys::RegValue existing;
            rc = key.queryValue(valueName, existing);
            if (rc != sys::RegError::Success)
                return failure(rc);
            names.push_back(valueName);
        }
        const QString what = allValues           ? QStringLiteral("all values under %1").arg(shown)
                             : valueName.empty() ? QStringLiteral("(Default)")
                                                 : QString::fromStdWString(valueName);
        if (!force && !confirm(QStringLiteral("Delete the registry value %1 (Yes/No)? ").arg(what)))
            return cancelled();
        for (const std::wstring &name : names) {
            rc = key.deleteValue(name);
            if (rc != sys::RegError::Success)
                return failure(rc);
        }
        out() << completed << '\n';
        return 0;
    }

    int import()
    {
        if (!onlyPositional(1) || m_positional.isEmpty()) {
            error(QStringLiteral("ERROR: Invalid syntax: import needs one FILE.reg."));
            return 1;
        }
        QFile file(m_positional.first());
        if (!file.open(QIODevice::ReadOnly)) {
            error(QStringLiteral("ERROR: Cannot read %1: %2")
                          .arg(file.fileName(), file.errorString()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const long rc = sys::importRegistryFile(
                bytes.toStdString(), QFileInfo(file).filePath().toStdWString(), m_view);
        if (rc != sys::RegError::Success)
            return failure(rc);
        out() << completed << '\n';
        return 0;
    }

    int exportKey()
    {
        sys::RegRoot root;
        std::wstring path;
        QString shown;
        if (m_positional.size() != 2) {
            error(QStringLiteral("ERROR: Invalid syntax: export needs KEY and FILE.reg."));
            return 1;
        }
        if (!keyArgument(root, path, shown))
            return 1;
        std::string bytes;
        const long rc = sys::exportRegistryKey(root, path, m_view, bytes);
        if (rc != sys::RegError::Success)
            return failure(rc);
        QFile file(m_positional.at(1));
        if (file.exists() && !m_switches.contains(QStringLiteral("y"))
            && !confirm(QStringLiteral("File %1 already exists. Overwrite (Yes/No)? ")
                                .arg(file.fileName())))
            return cancelled();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes.data(), static_cast<qint64>(bytes.size()))
                       != static_cast<qint64>(bytes.size())
            || !file.flush()) {
            error(QStringLiteral("ERROR: Cannot write %1: %2")
                          .arg(file.fileName(), file.errorString()));
            return 1;
        }
        out() << completed << '\n';
        return 0;
    }

    bool onlyPositional(int count) const
    {
        if (m_positional.size() <= count)
            return true;
        error(QStringLiteral("ERROR: Invalid syntax: unexpected \"%1\".")
                      .arg(m_positional.at(count)));
        return false;
    }

    // reg.exe asks before it overwrites or deletes; without an answer nothing happens.
    bool confirm(const QString &question)
    {
        out() << question;
        out().flush();
        QTextStream in(stdin);
        const QString answer = in.readLine().trimmed().toLower();
        return answer == QLatin1String("y") || answer == QLatin1String("yes");
    }

    int cancelled()
    {
        out() << "The operation was cancelled.\n";
        return 1;
    }

    int usage(const QString &problem) const { return DiscToolCommand::refuse(problem); }

    void error(const QString &text) const
    {
        QTextStream err(stderr);
        err.setCodec("UTF-8");
        err << text << '\n';
    }

    QTextStream &out()
    {
        if (!m_out) {
            m_out.reset(new QTextStream(stdout));
            m_out->setCodec("UTF-8");
        }
        return *m_out;
    }

    QStringList m_positional;
    QHash<QString, QString> m_switches;
    // reg.exe on 64-bit Windows is a 64-bit program: without /reg:32 it names keys as they lie.
    uint32_t m_view = sys::RegAccess::Wow64_64Key;
    bool m_verbIsAdd = false;
    std::unique_ptr<QTextStream> m_out;
};

// reg.exe's switches follow the verb ("/v", "-f"): disctool's options stand before it.
const DiscToolCommand registryCommand("registry",
                                      {usageText, {}, true, true},
                                      [](const QCommandLineParser &parser) {
                                          RegistryTool tool;
                                          return tool.run(parser);
                                      });

} // namespace
