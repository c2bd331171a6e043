#include "cabundle.h"

#include <QSslCertificate>
#include <QSslConfiguration>

namespace {

CaBundle::Source &source()
{
    static CaBundle::Source instance;
    return instance;
}

} // namespace

void CaBundle::setSource(Source bundleSource)
{
    source() = std::move(bundleSource);
}

int CaBundle::apply()
{
    static const int added = [] {
        const QString path = source() ? source()() : QString();
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
