#include "testhttpserver.h"

#include "testhttpconnection.h"

#include <QTcpSocket>

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::accept);
}

bool TestHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl TestHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

QList<QByteArray> TestHttpServer::methods() const
{
    QList<QByteArray> result;
    for (const Request &request : m_requests)
        result << request.method;
    return result;
}

void TestHttpServer::record(const Request &request)
{
    m_requests << request;
    emit requestSeen();
}

void TestHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection())
        new TestHttpConnection(socket, this);
}
