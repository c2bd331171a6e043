#include "setupsettings.h"

#include <QDir>
#include <QStandardPaths>

#ifndef TAM_UPDATE_HOST
#define TAM_UPDATE_HOST "update.tamberlin.com"
#endif
#ifndef TAM_WEB_HOST
#define TAM_WEB_HOST "www.tamberlin.com"
#endif

namespace {

struct Values
{
    SetupSettings::HostOverride hostOverride = nullptr;
    QString setupPath;
    QString downloadPath;
    QString updatePath;
    QString shortName;
    QString serialNumber;
};

Values &values()
{
    static Values instance;
    return instance;
}

QString host(SetupSettings::Host which, const char *configured)
{
    const SetupSettings::HostOverride hostOverride = values().hostOverride;
    const QString value = hostOverride ? hostOverride(which) : QString();
    return value.isEmpty() ? QString::fromLatin1(configured) : value;
}

} // namespace

QString SetupSettings::setupPath()
{
    return values().setupPath;
}

void SetupSettings::setSetupPath(const QString &path)
{
    values().setupPath = path;
}

QString SetupSettings::downloadPath()
{
    return values().downloadPath;
}

void SetupSettings::setDownloadPath(const QString &path)
{
    values().downloadPath = path;
}

QString SetupSettings::updatePath()
{
    return values().updatePath;
}

void SetupSettings::setUpdatePath(const QString &path)
{
    values().updatePath = path;
}

QString SetupSettings::shortName()
{
    return values().shortName;
}

void SetupSettings::setShortName(const QString &name)
{
    values().shortName = name;
}

QString SetupSettings::serialNumber()
{
    return values().serialNumber;
}

void SetupSettings::setSerialNumber(const QString &serial)
{
    values().serialNumber = serial;
}

QString SetupSettings::withBackslashes(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString SetupSettings::defaultDownloadPath()
{
    return withBackslashes(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)
                           + QStringLiteral("/TamDownload"));
}

QString SetupSettings::defaultUpdatePath()
{
    return withBackslashes(QDir::tempPath() + QStringLiteral("/TamSetup/TamUpdate"));
}

QString SetupSettings::updateHost()
{
    return host(Host::Update, TAM_UPDATE_HOST);
}

QString SetupSettings::webHost()
{
    return host(Host::Web, TAM_WEB_HOST);
}

void SetupSettings::setHostOverride(HostOverride hostOverride)
{
    values().hostOverride = hostOverride;
}
