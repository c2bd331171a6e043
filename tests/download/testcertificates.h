#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away certificate authority and a server certificate for 127.0.0.1 and localhost,
// made with the openssl command line when a test starts.
class TestCertificates
{
public:
    // Returns false and fills errorString() when openssl is missing or fails.
    bool create();

    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.pem")); }
    QString certificateFile() const { return m_dir.filePath(QStringLiteral("server.pem")); }
    QString keyFile() const { return m_dir.filePath(QStringLiteral("server.key")); }
    QString errorString() const { return m_error; }

private:
    bool openssl(const QStringList &arguments);

    QTemporaryDir m_dir;
    QString m_error;
};
