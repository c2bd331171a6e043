#include "updatefiles.h"

#include "hostpath.h"
#include "pathvariables.h"
#include "setupsettings.h"
#include "xmlguard.h"

#include <QFile>

QString UpdateFiles::hostPath(const QString &windowsPath)
{
    return QString::fromStdString(sys::toHostPath(windowsPath.toStdWString()));
}

bool UpdateFiles::readRoot(const QString &hostFile, const QString &rootName, QDomDocument &document)
{
    QFile file(hostFile);
    QByteArray content;
    return file.open(QIODevice::ReadOnly) && XmlGuard::readWithin(file, content)
           && document.setContent(content)
           && document.documentElement().tagName().toLower() == rootName;
}

QString UpdateFiles::normaliseBundleUrl(const QString &url)
{
    return PathVariables::rewriteUpdateHost(url);
}

QString UpdateFiles::updateBaseUrl()
{
    return QStringLiteral("https://%1/Downloads/updater").arg(SetupSettings::updateHost());
}

void UpdateFiles::makeRunnable(const QString &hostFile)
{
    QFile::setPermissions(hostFile,
                          QFile::permissions(hostFile) | QFile::ExeOwner | QFile::ExeUser
                                  | QFile::ExeGroup | QFile::ExeOther);
}

void UpdateFiles::dropDownloader(DownloadManager *&downloader, QObject *receiver)
{
    if (!downloader)
        return;
    downloader->disconnect(receiver);
    downloader->pause();
    downloader->deleteLater();
    downloader = nullptr;
}
