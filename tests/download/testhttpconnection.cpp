#include "testhttpconnection.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>

namespace {
using Header = QPair<QByteArray, QByteArray>;

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 206:
        return "Partial Content";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 416:
        return "Range Not Satisfiable";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// "bytes=FIRST-[LAST]" → first and last (inclusive, -1 when open); false when malformed.
bool parseRange(const QByteArray &header, qint64 *first, qint64 *last)
{
    const QByteArray value = header.trimmed();
    if (!value.startsWith("bytes="))
        return false;
    const QList<QByteArray> parts = value.mid(6).split('-');
    if (parts.size() != 2)
        return false;
    bool ok = false;
    *first = parts[0].toLongLong(&ok);
    if (!ok)
        return false;
    *last = parts[1].isEmpty() ? -1 : parts[1].toLongLong(&ok);
    return ok;
}
} // namespace

TestHttpConnection::TestHttpConnection(QTcpSocket *socket, TestHttpServer *server)
    : QObject(server)
    , m_socket(socket)
    , m_server(server)
    , m_pump(new QTimer(this))
{
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &TestHttpConnection::readRequest);
    connect(m_socket, &QTcpSocket::disconnected, this, &TestHttpConnection::close);
    connect(m_pump, &QTimer::timeout, this, &TestHttpConnection::pump);
    readRequest();
}

void TestHttpConnection::readRequest()
{
    m_input += m_socket->readAll();
    if (m_busy)
        return;
    const int end = m_input.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QByteArray head = m_input.left(end);
    m_input.remove(0, end + 4);
    m_busy = true;
    answer(head);
}

void TestHttpConnection::answer(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    TestHttpServer::Request request;
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "range")
            request.range = value;
        else if (name == "accept-encoding")
            request.acceptEncoding = value;
        else if (name == "if-range")
            request.ifRange = value;
    }
    m_server->record(request);

    m_behaviour = m_server->behaviour();
    const TestHttpServer::Behaviour &b = m_behaviour;
    const qint64 size = b.body.size();

    if (!b.redirectFrom.isEmpty() && request.path == b.redirectFrom) {
        sendHead(302, {{"Location", "/file"}, {"Content-Length", "0"}});
        return;
    }

    if (request.method == "HEAD") {
        QTimer::singleShot(b.headDelayMs, this, [this, size] {
            const TestHttpServer::Behaviour &b = m_behaviour;
            if (b.headStatus != 200) {
                sendHead(b.headStatus, {{"Content-Length", "5"}});
                return;
            }
            QList<QPair<QByteArray, QByteArray>> headers{
                    {"Content-Type", "application/octet-stream"}};
            if (!b.acceptRanges.isEmpty())
                headers.append(Header{"Accept-Ranges", b.acceptRanges});
            if (!b.etag.isEmpty())
                headers.append(Header{"ETag", b.etag});
            if (b.headLength != TestHttpServer::NoLength)
                headers.append(Header{"Content-Length",
                                      QByteArray::number(b.headLength == TestHttpServer::BodyLength
                                                                 ? size
                                                                 : b.headLength)});
            sendHead(200, headers);
        });
        return;
    }

    if (b.getStatus != 200) {
        sendHead(b.getStatus, {{"Content-Length", "5"}}, "error");
        return;
    }

    qint64 first = 0;
    qint64 last = -1;
    const bool unchanged = request.ifRange.isEmpty() || request.ifRange == b.etag;
    const bool ranged = b.honourRange && unchanged && parseRange(request.range, &first, &last);
    QList<QPair<QByteArray, QByteArray>> headers{{"Content-Type", "application/octet-stream"}};
    if (!b.etag.isEmpty())
        headers.append(Header{"ETag", b.etag});
    QByteArray body = b.body;
    int status = 200;
    if (ranged) {
        if (first >= size) {
            sendHead(416,
                     {{"Content-Range", "bytes */" + QByteArray::number(size)},
                      {"Content-Length", "0"}});
            return;
        }
        if (last < 0 || last >= size)
            last = size - 1;
        if (b.forcedRangeStart >= 0)
            first = b.forcedRangeStart;
        body = b.body.mid(first, last - first + 1);
        status = 206;
        headers.append(Header{"Content-Range",
                              "bytes " + QByteArray::number(first) + '-' + QByteArray::number(last)
                                      + '/' + QByteArray::number(size)});
    }
    if (b.getLength && !b.endless)
        headers.append(Header{"Content-Length", QByteArray::number(body.size())});
    else
        headers.append(Header{"Connection", "close"});
    m_closeAfterBody = !b.getLength || b.endless;

    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    for (const auto &header : headers)
        out += header.first + ": " + header.second + "\r\n";
    out += "\r\n";
    m_socket->write(out);
    startBody(body);
}

void TestHttpConnection::sendHead(int status,
                                  const QList<QPair<QByteArray, QByteArray>> &headers,
                                  const QByteArray &body)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    for (const auto &header : headers)
        out += header.first + ": " + header.second + "\r\n";
    out += "\r\n" + body;
    m_socket->write(out);
    m_busy = false;
    if (!m_input.isEmpty())
        QTimer::singleShot(0, this, &TestHttpConnection::readRequest);
}

void TestHttpConnection::startBody(const QByteArray &body)
{
    m_body = body;
    m_sent = 0;
    m_stalled = false;
    m_startedMs = QDateTime::currentMSecsSinceEpoch();
    m_pump->start(m_behaviour.bytesPerSecond > 0 ? 10 : 1);
    pump();
}

void TestHttpConnection::pump()
{
    const TestHttpServer::Behaviour &b = m_behaviour;
    const qint64 bodySize = m_body.size();
    const qint64 size = b.endless && bodySize > 0 ? TestHttpServer::EndlessCap : bodySize;
    while (m_sent < size && m_socket->bytesToWrite() < 512 * 1024) {
        if (b.dropAt >= 0 && m_sent >= b.dropAt) {
            m_pump->stop();
            m_socket->disconnectFromHost();
            return;
        }
        if (b.stallAt >= 0 && m_sent >= b.stallAt && !m_stalled) {
            m_stalled = true;
            m_pump->stop();
            QTimer::singleShot(b.stallMs, this, [this] {
                m_startedMs = QDateTime::currentMSecsSinceEpoch()
                              - 1000 * m_sent / qMax<qint64>(1, m_behaviour.bytesPerSecond);
                m_pump->start();
            });
            return;
        }
        const qint64 offset = m_sent % bodySize;
        qint64 chunk = qMin<qint64>(64 * 1024, bodySize - offset);
        if (b.bytesPerSecond > 0) {
            const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - m_startedMs;
            const qint64 allowed = b.bytesPerSecond * elapsed / 1000 - m_sent;
            if (allowed <= 0)
                return;
            chunk = qMin(chunk, allowed);
        }
        if (b.dropAt >= 0)
            chunk = qMin(chunk, b.dropAt - m_sent);
        if (b.stallAt >= 0 && !m_stalled)
            chunk = qMin(chunk, b.stallAt - m_sent);
        m_socket->write(m_body.constData() + offset, chunk);
        m_sent += chunk;
        // One piece per tick without end: the client shares this event loop and must get its
        // turn, and a client that went away stops the pump at once.
        if (b.endless) {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                m_pump->stop();
            return;
        }
    }
    if (m_sent < size)
        return;
    m_pump->stop();
    m_body.clear();
    m_sent = 0;
    if (m_closeAfterBody) {
        m_socket->disconnectFromHost();
        return;
    }
    m_busy = false;
    if (!m_input.isEmpty())
        QTimer::singleShot(0, this, &TestHttpConnection::readRequest);
}

void TestHttpConnection::close()
{
    m_pump->stop();
    deleteLater();
}
