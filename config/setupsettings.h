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
    // the environment variables TAM_UPDATE_HOST / TAM_WEB_HOST say otherwise.
    static QString updateHost();
    static QString webHost();
};
