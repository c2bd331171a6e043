#include "httpsrecorder.h"

#include <QFile>
#include <QHostAddress>
#include <QSslSocket>
#include <QUrl>

namespace {

QString formDecoded(QByteArray text)
{
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

} // namespace

QByteArray HttpsRecorder::Request::header(const QByteArray &name) const
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

QByteArray HttpsRecorder::Request::path() const
{
    const int question = target.indexOf('?');
    return question < 0 ? target : target.left(question);
}

QList<QPair<QString, QString>> HttpsRecorder::Request::queryItems() const
{
    QList<QPair<QString, QString>> items;
    const int question = target.indexOf('?');
    if (question < 0)
        return items;
    for (const QByteArray &pair : target.mid(question + 1).split('&')) {
        const int equals = pair.indexOf('=');
        items.append({formDecoded(equals < 0 ? pair : pair.left(equals)),
                      equals < 0 ? QString() : formDecoded(pair.mid(equals + 1))});
    }
    return items;
}

HttpsRecorder::HttpsRecorder(QObject *parent)
    : QTcpServer(parent)
{}

bool HttpsRecorder::start(const QString &certificateFile, const QString &keyFile)
{
    m_chain = QSslCertificate::fromPath(
            certificateFile, QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
    QFile key(keyFile);
    if (m_chain.isEmpty() || !key.open(QIODevice::ReadOnly))
        return false;
    m_key = QSslKey(&key, QSsl::Ec, QSsl::Pem);
    if (m_key.isNull())
        return false;
    return listen(QHostAddress::LocalHost);
}

void HttpsRecorder::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificateChain(m_chain);
    socket->setPrivateKey(m_key);
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QSslSocket::disconnected, this, [this, socket] {
        m_input.remove(socket);
        socket->deleteLater();
    });
    socket->startServerEncryption();
}

void HttpsRecorder::readFrom(QSslSocket *socket)
{
    QByteArray &input = m_input[socket];
    input += socket->readAll();
    const int end = input.indexOf("\r\n\r\n");
    if (end < 0)
        return;

    const QList<QByteArray> lines = input.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.append(
                    {lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
    }
    m_requests.append(request);
    m_input.remove(socket);

    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 3\r\n"
                  "Connection: close\r\n\r\nOK\n");
    socket->disconnectFromHost();
    emit requestSeen();
}
