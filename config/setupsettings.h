#pragma once

// The process-wide values that the product files and the catalogue refer to: the paths fixed
// at start-up (always with "\" separators), the product's short name and the scanner serial
// number found while loading, and the two configured hosts.

#include <QString>

class SetupSettings
{
public:
    static QString setupPath();
    static void setSetupPath(const QString &path);
    static QString downloadPath();
    static void setDownloadPath(const QString &path);
    static QString updatePath();
    static void setUpdatePath(const QString &path);

    static QString shortName();
    static void setShortName(const QString &name);
    static QString serialNumber();
    static void setSerialNumber(const QString &serial);

    // The values start-up builds: the user's download folder + "/TamDownload" and the
    // temporary folder + "/TamSetup/TamUpdate", with "\" separators.
    static QString defaultDownloadPath();
    static QString defaultUpdatePath();
    // "/" -> "\" as every process-wide path is kept.
    static QString withBackslashes(QString path);

    // The update server's and the maker's web-site host: the build's configured values unless
    // an override says otherwise. setup and the tools install one that reads the environment
    // (ConfigurationEnvironment); the elevated helper installs none.
    static QString updateHost();
    static QString webHost();
    enum class Host { Update, Web };
    // Returns the host to use instead of the configured one, or an empty text to keep it.
    using HostOverride = QString (*)(Host host);
    static void setHostOverride(HostOverride hostOverride);
};
