#include "testcertificates.h"

#include <QFile>
#include <QProcess>

bool TestCertificates::create()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    QFile extensions(m_dir.filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly)) {
        m_error = extensions.errorString();
        return false;
    }
    extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                     "basicConstraints=CA:FALSE\n"
                     "keyUsage=digitalSignature,keyEncipherment\n"
                     "extendedKeyUsage=serverAuth\n");
    extensions.close();

    const QStringList ecKey{QStringLiteral("-newkey"),
                            QStringLiteral("ec"),
                            QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"),
                            QStringLiteral("-nodes")};
    return openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey
                   + QStringList{QStringLiteral("-keyout"),
                                 m_dir.filePath(QStringLiteral("ca.key")),
                                 QStringLiteral("-out"),
                                 caFile(),
                                 QStringLiteral("-days"),
                                 QStringLiteral("2"),
                                 QStringLiteral("-subj"),
                                 QStringLiteral("/CN=Tam Test CA"),
                                 QStringLiteral("-addext"),
                                 QStringLiteral("basicConstraints=critical,CA:TRUE"),
                                 QStringLiteral("-addext"),
                                 QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")})
           && openssl(QStringList{QStringLiteral("req")} + ecKey
                      + QStringList{QStringLiteral("-keyout"),
                                    keyFile(),
                                    QStringLiteral("-out"),
                                    m_dir.filePath(QStringLiteral("server.csr")),
                                    QStringLiteral("-subj"),
                                    QStringLiteral("/CN=127.0.0.1")})
           && openssl({QStringLiteral("x509"),
                       QStringLiteral("-req"),
                       QStringLiteral("-in"),
                       m_dir.filePath(QStringLiteral("server.csr")),
                       QStringLiteral("-CA"),
                       caFile(),
                       QStringLiteral("-CAkey"),
                       m_dir.filePath(QStringLiteral("ca.key")),
                       QStringLiteral("-CAcreateserial"),
                       QStringLiteral("-out"),
                       certificateFile(),
                       QStringLiteral("-days"),
                       QStringLiteral("2"),
                       QStringLiteral("-extfile"),
                       extensions.fileName()});
}

bool TestCertificates::openssl(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForStarted(5000) || !process.waitForFinished(30000)
        || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1: %2 %3")
                          .arg(arguments.first(),
                               process.errorString(),
                               QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}
