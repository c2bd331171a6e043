#include "cabundle.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QtGlobal>

int CaBundle::apply()
{
    static const int added = [] {
        const QString path = qEnvironmentVariable(EnvironmentVariable);
        return path.isEmpty() ? 0 : addFromFile(path);
    }();
    return added;
}

int CaBundle::addFromFile(const QString &path)
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(
            path, QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
    if (certificates.isEmpty())
        return 0;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(configuration);
    return certificates.size();
}
