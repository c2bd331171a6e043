#include "updateclient.h"

#include "downloadmanager.h"
#include "pathvariables.h"
#include "setupsettings.h"
#include "xmlguard.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>

namespace {

QUrl webHostFile(const char *name)
{
    return QUrl(QStringLiteral("https://%1/Downloads/updater/Windows/%2")
                        .arg(SetupSettings::webHost(), QLatin1String(name)));
}

} // namespace

qint64 UpdateClient::sizeLimit(FileKind kind)
{
    return kind == FileKind::SetupPackage ? SetupPackageLimit : XmlGuard::maxBytes;
}

QString UpdateClient::updateBaseUrl()
{
    return QStringLiteral("https://%1/Downloads/updater").arg(SetupSettings::updateHost());
}

QUrl UpdateClient::bundleSelectionUrl(const QString &base, const QString &productId)
{
    return QUrl(QStringLiteral("%1/%2/Windows/%2_SN.xml").arg(base, productId));
}

QUrl UpdateClient::scannerFileUrl(const QString &base,
                                  const QString &productId,
                                  const QString &bundleType)
{
    return QUrl(QStringLiteral("%1/%2/Windows/%2_%3.xml").arg(base, productId, bundleType));
}

QUrl UpdateClient::bundleUrl(const QString &address)
{
    return QUrl(PathVariables::rewriteUpdateHost(address));
}

QUrl UpdateClient::setupDescriptionUrl()
{
    return webHostFile("TamberlinUpdate.xml");
}

QUrl UpdateClient::setupPackageUrl()
{
    return webHostFile("TamberlinUpdate.exe");
}

bool UpdateClient::isSecure(const QUrl &url)
{
    // QUrl lower-cases the scheme, so "HTTPS://" counts and "HTTP://" does not.
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

QString UpdateClient::insecureAddressText()
{
    return QCoreApplication::translate(
            "UpdateClient",
            "An update address that is not secure was refused: only https is accepted.");
}

bool UpdateClient::isNotFound(QNetworkReply::NetworkError code)
{
    return code == QNetworkReply::ContentNotFoundError;
}

bool UpdateClient::isUnreachable(QNetworkReply::NetworkError code)
{
    // Below the content errors come the network's and the proxy's: no answer from the server.
    return code != QNetworkReply::NoError && code < QNetworkReply::ContentAccessDenied;
}

QString UpdateClient::notSupportedText(const QString &model)
{
    return QCoreApplication::translate("SelectScannerDlg",
                                       "%1 is not presently supported by Tamberlin Update.")
            .arg(model);
}

QString UpdateClient::noConnectionText()
{
    return QCoreApplication::translate(
            "CheckUpdateDlg",
            "No connection is currently available to process the requested operation.");
}

bool UpdateClient::fetch(DownloadManager &downloader,
                         const QUrl &url,
                         const QString &hostTarget,
                         FileKind kind)
{
    if (!isSecure(url))
        return false;
    QFile::remove(hostTarget);
    QFile::remove(hostTarget + QStringLiteral(".part"));
    downloader.setSizeLimit(sizeLimit(kind));
    downloader.download(url, hostTarget);
    return true;
}

bool UpdateClient::readRoot(const QString &hostFile,
                            const QString &rootName,
                            QDomDocument &document)
{
    QFile file(hostFile);
    return file.open(QIODevice::ReadOnly) && XmlGuard::read(file, document)
           && document.documentElement().tagName().toLower() == rootName;
}
