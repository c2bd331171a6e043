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

// A simulated machine in a temporary folder for the lifetime of the object, and a disc
// folder beside it that $SetupPath$ names.
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
    }
    ~ScratchMachine() { sys::setMachineRoot(std::string()); }

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
