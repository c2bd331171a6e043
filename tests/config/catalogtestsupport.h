#pragma once

// Shared by the catalogue and engine tests: a fresh simulated machine per test, a recorder
// that answers message boxes, and small writers for registry entries and product files.

#include "machine.h"
#include "messageseam.h"
#include "registry.h"
#include "setupsettings.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <set>
#include <vector>

// What a test changes on a real machine, put back afterwards. The Win32 build has no simulated
// machine: its tests run against the real registry (under Wine, the prefix's). This remembers
// the keys that tests and the installers they run write to, and the version values tests fake;
// restore() removes every subkey added since (a key that did not exist goes as a whole) and
// puts the values back. Tests using it share the one machine, so CTest runs them one at a time
// there (tam_shares_machine).
class RealMachineChanges
{
public:
    RealMachineChanges()
    {
        for (const Watched &watched : watchedKeys())
            m_before.push_back(state(watched));
        for (uint32_t view : views()) {
            const sys::RegKey key = sys::RegKey::open(
                    sys::RegRoot::LocalMachine, versionKey, sys::RegAccess::Read | view);
            for (const wchar_t *name : versionValues) {
                Saved saved{view, name, false, {}};
                saved.existed = key.isOpen()
                                && key.queryValue(name, saved.value) == sys::RegError::Success;
                m_values.push_back(saved);
            }
        }
    }

    void restore()
    {
        const std::vector<Watched> watched = watchedKeys();
        // Deepest first within each root and view, as the list is ordered.
        for (size_t i = watched.size(); i-- > 0;) {
            const Watched &key = watched[i];
            const uint32_t access = sys::RegAccess::AllAccess | key.view;
            if (!m_before[i].existed) {
                sys::RegKey::deleteTree(key.root, key.path, access);
                continue;
            }
            for (const std::wstring &name : state(key).subkeys) {
                if (!m_before[i].subkeys.count(name))
                    sys::RegKey::deleteTree(key.root, key.path + L"\\" + name, access);
            }
        }
        for (const Saved &saved : m_values) {
            sys::RegKey key = sys::RegKey::open(
                    sys::RegRoot::LocalMachine, versionKey, sys::RegAccess::AllAccess | saved.view);
            if (saved.existed)
                key.setValue(saved.name, saved.value);
            else
                key.deleteValue(saved.name);
        }
    }

private:
    struct Watched
    {
        sys::RegRoot root;
        std::wstring path;
        uint32_t view;
    };
    struct State
    {
        bool existed = false;
        std::set<std::wstring> subkeys;
    };
    struct Saved
    {
        uint32_t view;
        std::wstring name;
        bool existed;
        sys::RegValue value;
    };

    static constexpr const wchar_t *versionKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    static constexpr const wchar_t *versionValues[]
            = {L"CurrentMajorVersionNumber", L"CurrentMinorVersionNumber"};

    static std::vector<uint32_t> views()
    {
        return {sys::RegAccess::Wow64_32Key, sys::RegAccess::Wow64_64Key};
    }

    // The maker's own keys, the Uninstall entries and the upgrade codes; never a parent that
    // other tests write their own uniquely named keys to (SOFTWARE itself).
    static std::vector<Watched> watchedKeys()
    {
        const std::wstring uninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
        const std::wstring upgradeCodes = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Installer"
                                          L"\\UpgradeCodes";
        std::vector<Watched> keys;
        for (uint32_t view : views()) {
            keys.push_back({sys::RegRoot::LocalMachine, L"SOFTWARE\\Tamberlin", view});
            keys.push_back({sys::RegRoot::LocalMachine, uninstall, view});
            keys.push_back({sys::RegRoot::LocalMachine, upgradeCodes, view});
        }
        keys.push_back({sys::RegRoot::CurrentUser, L"Software\\Tamberlin", 0});
        keys.push_back({sys::RegRoot::CurrentUser, uninstall, 0});
        return keys;
    }

    static State state(const Watched &watched)
    {
        State result;
        const sys::RegKey key = sys::RegKey::open(
                watched.root, watched.path, sys::RegAccess::Read | watched.view);
        result.existed = key.isOpen();
        std::wstring name;
        for (uint32_t i = 0; key.isOpen() && key.enumKey(i, name) == sys::RegError::Success; ++i)
            result.subkeys.insert(name);
        return result;
    }

    std::vector<State> m_before;
    std::vector<Saved> m_values;
};

// A simulated machine in a temporary folder for the lifetime of the object, and a disc
// folder beside it that $SetupPath$ names. On a real machine (the Win32 build) the folder holds
// only the disc and downloads, and the machine's registry is put back as it was at the end.
class ScratchMachine
{
public:
    ScratchMachine()
    {
        sys::setMachineRoot(QDir(m_dir.path()).filePath(QStringLiteral("machine")).toStdString());
        QDir(m_dir.path()).mkpath(QStringLiteral("disc"));
        SetupSettings::setSetupPath(SetupSettings::withBackslashes(discPath()));
        SetupSettings::setDownloadPath(SetupSettings::withBackslashes(
                QDir(m_dir.path()).filePath(QStringLiteral("downloads"))));
        if (!isSimulated())
            m_realChanges = std::make_unique<RealMachineChanges>();
    }
    ~ScratchMachine()
    {
        if (m_realChanges)
            m_realChanges->restore();
        sys::setMachineRoot(std::string());
    }

    // False on a real machine (the Win32 build), which cannot pose as another kind of Windows.
    static bool isSimulated() { return !sys::machineFolder().empty(); }

    QString discPath() const { return QDir(m_dir.path()).filePath(QStringLiteral("disc")); }
    QString downloadPath() const
    {
        return QDir(m_dir.path()).filePath(QStringLiteral("downloads"));
    }
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

    // Writes text to a file below the scratch folder, creating folders; returns its path.
    QString writeFile(const QString &relative, const QByteArray &content) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(content);
        return file;
    }

    static void addUninstallEntry(bool view32,
                                  const QString &code,
                                  const QString &name,
                                  const QString &version,
                                  const QString &publisher = QStringLiteral("Tamberlin Imaging"))
    {
        sys::RegKey key = sys::RegKey::create(
                sys::RegRoot::LocalMachine,
                (QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + code)
                        .toStdWString(),
                sys::RegAccess::AllAccess
                        | (view32 ? sys::RegAccess::Wow64_32Key : sys::RegAccess::Wow64_64Key));
        key.setString(L"DisplayName", name.toStdWString());
        if (!version.isEmpty())
            key.setString(L"DisplayVersion", version.toStdWString());
        key.setString(L"Publisher", publisher.toStdWString());
    }

    // Describes the machine as Windows major.minor in both registry views.
    static void setWindowsVersion(int major, int minor)
    {
        for (uint32_t view : {sys::RegAccess::Wow64_32Key, sys::RegAccess::Wow64_64Key}) {
            sys::RegKey key
                    = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                          L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                          sys::RegAccess::AllAccess | view);
            key.setDword(L"CurrentMajorVersionNumber", uint32_t(major));
            key.setDword(L"CurrentMinorVersionNumber", uint32_t(minor));
        }
    }

    static void setThirtyTwoBit()
    {
        sys::RegKey key
                = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                      L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                      sys::RegAccess::AllAccess | sys::RegAccess::Wow64_64Key);
        key.setDword(L"TamSimulatedBitness", 32);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RealMachineChanges> m_realChanges;
};

// Records every message box and answers it with answer (default: Ok or Yes as offered).
class MessageRecorder
{
public:
    struct Box
    {
        MessageSeam::Icon icon;
        QString title;
        QString text;
    };

    MessageRecorder()
    {
        MessageSeam::setHandler([this](QObject *,
                                       MessageSeam::Icon icon,
                                       const QString &title,
                                       const QString &text,
                                       int buttons,
                                       int) {
            m_boxes.append({icon, title, text});
            if (m_answer)
                return m_answer;
            return (buttons & MessageSeam::Ok) ? int(MessageSeam::Ok) : int(MessageSeam::Yes);
        });
    }
    ~MessageRecorder() { MessageSeam::setHandler(nullptr); }

    void setAnswer(int answer) { m_answer = answer; }
    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList all;
        for (const Box &box : m_boxes)
            all << box.text;
        return all;
    }
    void clear() { m_boxes.clear(); }

private:
    QList<Box> m_boxes;
    int m_answer = 0;
};
