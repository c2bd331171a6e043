#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class TestHttpConnection;

// A small HTTP/1.1 server on 127.0.0.1 for the downloader's tests. It serves one body under
// every path and can be told to misbehave the ways real servers do. The behaviour is read when
// a request arrives, so a test may change it between two requests.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 BodyLength = -2; // announce the body's real length
    static constexpr qint64 NoLength = -1;   // announce no length at all

    struct Behaviour
    {
        QByteArray body;
        // Value of the HEAD answer's Accept-Ranges header; empty: no header.
        QByteArray acceptRanges = "bytes";
        // Content-Length of the HEAD answer: BodyLength, NoLength or any value.
        qint64 headLength = BodyLength;
        // Whether GET answers carry a Content-Length (without one the body ends at close).
        bool getLength = true;
        // Status of HEAD and GET answers; anything but 200 comes with a short error page.
        int headStatus = 200;
        int getStatus = 200;
        // false: answer a ranged GET with 200 and the whole body.
        bool honourRange = true;
        // >= 0: answer a ranged GET with 206 from this position instead of the requested one.
        qint64 forcedRangeStart = -1;
        // The HEAD answer waits this long.
        int headDelayMs = 0;
        // After this many body bytes of a GET, the server falls silent for stallMs.
        qint64 stallAt = -1;
        int stallMs = 0;
        // After this many body bytes of a GET, the server closes the connection.
        qint64 dropAt = -1;
        // Body rate limit; 0: as fast as the socket takes it.
        qint64 bytesPerSecond = 0;
        // A request for this path is redirected (302) to "/file".
        QByteArray redirectFrom;
        // The body's entity tag, sent with HEAD and GET answers; a ranged GET whose If-Range
        // names another one gets the whole body (200), as the file has changed.
        QByteArray etag;
        // GET answers repeat the body without end (no Content-Length) until the client goes or
        // EndlessCap bytes were sent, as a server that never stops sending.
        bool endless = false;
    };
    static constexpr qint64 EndlessCap = 256 * 1024 * 1024;

    struct Request
    {
        QByteArray method;
        QByteArray path;
        QByteArray range; // the Range header, empty when absent
        QByteArray ifRange;
        QByteArray acceptEncoding;
    };

    explicit TestHttpServer(QObject *parent = nullptr);

    bool listen();
    QUrl url(const QString &path = QStringLiteral("/file")) const;

    Behaviour &behaviour() { return m_behaviour; }
    const QList<Request> &requests() const { return m_requests; }
    QList<QByteArray> methods() const;

    // Called by the connections.
    void record(const Request &request);

signals:
    void requestSeen();

private:
    void accept();

    QTcpServer m_server;
    Behaviour m_behaviour;
    QList<Request> m_requests;
};
