#pragma once

// Small file chores shared by the update dialogs: Windows-form paths as the host knows them,
// the root element of a downloaded file, the bundle address as the dialogs use it and making a
// downloaded program runnable.

#include <QDomDocument>
#include <QString>

class UpdateFiles
{
public:
    static QString hostPath(const QString &windowsPath);
    // True when the file opens, passes the XML guard, parses into document and its root's tag,
    // lower-cased, is rootName.
    static bool readRoot(const QString &hostFile, const QString &rootName, QDomDocument &document);
    // Plain http:// addresses of the update server and of the maker's web host lead to the
    // update server over HTTPS.
    static QString normaliseBundleUrl(const QString &url);
    // The update server's "/Downloads/updater" over HTTPS.
    static QString updateBaseUrl();
    // Windows runs any downloaded file; the simulated machine wants execute bits.
    static void makeRunnable(const QString &hostFile);
};
