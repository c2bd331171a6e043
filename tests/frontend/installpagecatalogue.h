#pragma once

// Catalogue entries for the Install Software page's tests, and the registry values that make
// them installed.

#include "registry.h"

#include <QString>

// An installer that counts as installed once markInstalled(key) wrote its registry value.
inline QString installer(const QString &name, const QString &key, const QString &extra = QString())
{
    return QStringLiteral("<installer DisplayName=\"%1\" Executable=\"%1.exe\" %3>"
                          "<checker Type=\"registrykeyvalue\" "
                          "QueryValue=\"SOFTWARE\\TamTest\\%2^Version\" MatchValue=\"1.0\" "
                          "MatchMode=\"isequalornewer\"/></installer>")
            .arg(name, key, extra);
}

inline QString webInstaller(const QString &name,
                            const QString &key,
                            const QString &url,
                            qint64 size,
                            const QString &extra = QString())
{
    return installer(
            name,
            key,
            QStringLiteral("url=\"%1\" size=\"%2\" TargetPath=\"$DownloadPath$\\%3.exe\" %4")
                    .arg(url)
                    .arg(size)
                    .arg(name, extra));
}

inline QString application(const QString &shortName,
                           const QString &installers,
                           const QString &attributes = QString())
{
    return QStringLiteral("<application ShortName=\"%1\" %3>"
                          "<displayname><string Language=\"en\" Value=\"%1 name\"/></displayname>"
                          "<description><string Language=\"en\" Value=\"About %1\"/></description>"
                          "<installationplatform Value=\"all\">%2</installationplatform>"
                          "</application>")
            .arg(shortName, installers, attributes);
}

inline void markInstalled(const QString &key, const QString &version = QStringLiteral("1.0"))
{
    sys::RegKey entry
            = sys::RegKey::create(sys::RegRoot::LocalMachine,
                                  (QStringLiteral("SOFTWARE\\TamTest\\") + key).toStdWString(),
                                  sys::RegAccess::AllAccess);
    entry.setString(L"Version", version.toStdWString());
}
