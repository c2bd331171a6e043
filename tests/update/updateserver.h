#pragma once

// A private HTTPS update server for the update dialogs' tests: nginx with a certificate
// authority of the test's own (trusted through TAM_CA_BUNDLE), standing in for both the update
// server and the maker's web host (TAM_UPDATE_HOST, TAM_WEB_HOST), with helpers that lay out
// the files the dialogs ask for.

#include "configurationenvironment.h"
#include "nginxserver.h"
#include "testcertificates.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class UpdateServer
{
public:
    // Starts the server; false with a reason in errorString().
    bool start()
    {
        if (!m_certificates.create()) {
            m_error = m_certificates.errorString();
            return false;
        }
        // Read once per process, by the first downloader.
        ConfigurationEnvironment::install();
        qputenv("TAM_CA_BUNDLE", QFile::encodeName(m_certificates.caFile()));
        NginxServer::Options options;
        options.root = m_root.path();
        options.certificate = m_certificates.certificateFile();
        options.key = m_certificates.keyFile();
        if (!m_nginx.start(options)) {
            m_error = m_nginx.errorString();
            return false;
        }
        useHosts(host(), host());
        return true;
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_nginx.port()); }
    // The update server's and the web host's names as setup reads them.
    static void useHosts(const QString &updateHost, const QString &webHost)
    {
        ConfigurationEnvironment::install();
        qputenv("TAM_UPDATE_HOST", updateHost.toUtf8());
        qputenv("TAM_WEB_HOST", webHost.toUtf8());
    }

    // Writes (or with null content removes) a file below the server's root.
    void put(const QString &path, const QByteArray &content)
    {
        const QString file = m_root.filePath(path);
        if (content.isNull()) {
            QFile::remove(file);
            return;
        }
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(content);
    }
    // A model's files below /Downloads/updater/PID/Windows/.
    void putModelFile(const QString &pid, const QString &name, const QByteArray &content)
    {
        put(QStringLiteral("Downloads/updater/%1/Windows/%2").arg(pid, name), content);
    }
    // The setup description and, when packageFiles is not empty, a package of them (NAME=FILE)
    // made by the demo's setup package program with version as their file version. sha256: the
    // description's hash of the package, "package" for the real one; empty: none.
    bool putSetupUpdate(const QString &version,
                        const QString &compression,
                        const QStringList &packageFiles = QStringList(),
                        const QString &sha256 = QString())
    {
        const QString package
                = m_root.filePath(QStringLiteral("Downloads/updater/Windows/TamberlinUpdate.exe"));
        QFile::remove(package);
        QDir().mkpath(QFileInfo(package).path());
        if (!packageFiles.isEmpty()
            && QProcess::execute(QStringLiteral(SETUPPACKAGE_PATH),
                                 QStringList{QStringLiteral("build"), package, version}
                                         + packageFiles)
                       != 0)
            return false;
        QString hash = sha256;
        if (hash == QLatin1String("package")) {
            QFile built(package);
            QCryptographicHash sum(QCryptographicHash::Sha256);
            if (!built.open(QIODevice::ReadOnly) || !sum.addData(&built))
                return false;
            hash = QString::fromLatin1(sum.result().toHex());
        }
        put(QStringLiteral("Downloads/updater/Windows/TamberlinUpdate.xml"),
            QStringLiteral("<Setup Version=\"%1\" compression=\"%2\"%3/>")
                    .arg(version,
                         compression,
                         hash.isEmpty() ? QString() : QStringLiteral(" sha256=\"%1\"").arg(hash))
                    .toUtf8());
        return true;
    }
    void removeSetupUpdate()
    {
        put(QStringLiteral("Downloads/updater/Windows/TamberlinUpdate.xml"), QByteArray());
        put(QStringLiteral("Downloads/updater/Windows/TamberlinUpdate.exe"), QByteArray());
    }
    // The paths requested so far ("GET /Downloads/...").
    QStringList requests() const
    {
        QStringList result;
        for (const QString &line : m_nginx.accessLog())
            result << line.section(QLatin1Char(' '), 0, 1);
        return result;
    }
    QString errorString() const { return m_error; }

private:
    TestCertificates m_certificates;
    QTemporaryDir m_root;
    NginxServer m_nginx;
    QString m_error;
};
