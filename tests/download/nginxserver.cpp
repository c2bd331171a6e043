#include "nginxserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QThread>

namespace {
// A port that was free a moment ago; nginx binds it right after.
quint16 freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}
} // namespace

NginxServer::~NginxServer()
{
    stop();
}

QString NginxServer::executable()
{
    QString path = QStandardPaths::findExecutable(QStringLiteral("nginx"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
                QStringLiteral("nginx"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return path;
}

bool NginxServer::start(const Options &options)
{
    const QString nginx = executable();
    if (nginx.isEmpty()) {
        m_error = QStringLiteral("nginx is not installed (scripts/install-deps installs it)");
        return false;
    }
    if (!m_prefix.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    m_tls = !options.certificate.isEmpty() && !options.key.isEmpty();

    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = freePort();
        const QString dir = m_prefix.path();
        const QString root = QDir(options.root).absolutePath();
        QString listen = QStringLiteral("127.0.0.1:%1").arg(m_port);
        if (m_tls)
            listen += QStringLiteral(" ssl");
        if (options.http2)
            listen += QStringLiteral(" http2");
        QString tls;
        if (m_tls)
            tls = QStringLiteral("        ssl_certificate %1;\n        ssl_certificate_key %2;\n")
                          .arg(options.certificate, options.key);

        QFile conf(dir + QStringLiteral("/nginx.conf"));
        if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_error = conf.errorString();
            return false;
        }
        QTextStream(&conf) << "daemon off;\n"
                           << "master_process off;\n"
                           << "pid " << dir << "/nginx.pid;\n"
                           << "error_log " << dir << "/error.log warn;\n"
                           << "events { worker_connections 64; }\n"
                           << "http {\n"
                           << "    log_format tam '$request_method $uri \"$http_range\" $status "
                              "$body_bytes_sent';\n"
                           << "    access_log " << dir << "/access.log tam;\n"
                           << "    default_type application/octet-stream;\n"
                           << "    sendfile on;\n"
                           << "    tcp_nopush on;\n"
                           << "    server {\n"
                           << "        listen " << listen << ";\n"
                           << tls << "        root " << root << ";\n"
                           << "        location /slow/ {\n"
                           << "            alias " << root << "/;\n"
                           << "            limit_rate " << options.slowRate << ";\n"
                           << "        }\n"
                           << "    }\n"
                           << "}\n";
        conf.close();

        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(nginx,
                        {QStringLiteral("-p"),
                         dir + QLatin1Char('/'),
                         QStringLiteral("-c"),
                         conf.fileName(),
                         QStringLiteral("-e"),
                         dir + QStringLiteral("/error.log")});
        if (!m_process.waitForStarted(5000)) {
            m_error = m_process.errorString();
            return false;
        }
        // Ready when it accepts a connection; a lost race for the port ends the process.
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(200))
                return true;
            QThread::msleep(20);
        }
        QFile log(dir + QStringLiteral("/error.log"));
        log.open(QIODevice::ReadOnly);
        m_error = QString::fromLocal8Bit(m_process.readAll() + log.readAll());
        stop();
    }
    return false;
}

void NginxServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl NginxServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
                        .arg(m_port)
                        .arg(path));
}

QStringList NginxServer::accessLog() const
{
    QFile log(m_prefix.path() + QStringLiteral("/access.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
