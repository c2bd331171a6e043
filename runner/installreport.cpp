#include "installreport.h"

#include "application.h"
#include "cabundle.h"
#include "installer.h"
#include "scannerinfo.h"
#include "setupsettings.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

const QString Separator = QStringLiteral("__");

} // namespace

QString InstallReport::queryText(const ScannerInfo &info,
                                 const QList<Application *> &tickedApplications)
{
    QString text = QLatin1String(QueryKey) + QLatin1Char('=') + info.productId().toUpper()
                   + Separator + SetupSettings::serialNumber() + Separator
                   + (info.isNetworkScanner() ? QStringLiteral("Net") : QStringLiteral("USB"));
    for (Application *application : info.applications()) {
        if (!tickedApplications.contains(application))
            continue;
        for (const Installer *installer : application->installers())
            text += Separator + installerName(installer->downloadPath());
    }
    return text;
}

QString InstallReport::installerName(const QString &downloadPath)
{
    const QString fileName = downloadPath.mid(downloadPath.lastIndexOf(QLatin1Char('\\')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QNetworkRequest InstallReport::request(const QString &queryText)
{
    const int equals = queryText.indexOf(QLatin1Char('='));
    QByteArray query = QUrl::toPercentEncoding(queryText.left(equals));
    if (equals >= 0)
        query += '=' + QUrl::toPercentEncoding(queryText.mid(equals + 1));

    QUrl url(QStringLiteral("https://%1%2").arg(SetupSettings::updateHost(), QLatin1String(Path)));
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);

    QNetworkRequest request(url);
    request.setRawHeader(ApiKeyHeader, ApiKey);
    request.setTransferTimeout(TimeoutMs);
    return request;
}

void InstallReport::send(QNetworkAccessManager *manager, const QString &queryText)
{
    if (!manager)
        return;
    CaBundle::apply();
    QNetworkReply *reply = manager->get(request(queryText));
    QObject::connect(reply, &QIODevice::readyRead, reply, [reply] { reply->readAll(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        reply->readAll();
        reply->deleteLater();
    });
}
