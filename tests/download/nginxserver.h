#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A private nginx on 127.0.0.1: started on a free port with its own configuration, prefix and
// logs in a temporary folder, as a child process of the caller (never as a daemon), serving
// one root folder. "/slow/" serves the same root at a limited rate. Its access log records the
// method, path, Range header and status of every request.
class NginxServer
{
public:
    struct Options
    {
        QString root;
        // Both set: HTTPS with this certificate chain and key.
        QString certificate;
        QString key;
        // Rate of "/slow/", e.g. "2m".
        QString slowRate = QStringLiteral("2m");
        bool http2 = false;
    };

    NginxServer() = default;
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    // Starts nginx and waits until it accepts connections. On failure returns false and
    // describes why in errorString().
    bool start(const Options &options);
    void stop();

    quint16 port() const { return m_port; }
    QUrl url(const QString &path) const;
    // The access log's lines: "METHOD URI "RANGE" STATUS BYTES".
    QStringList accessLog() const;
    QString errorString() const { return m_error; }

    static QString executable();

private:
    QTemporaryDir m_prefix;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_tls = false;
    QString m_error;
};
