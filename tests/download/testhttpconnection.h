#pragma once

#include "testhttpserver.h"

#include <QByteArray>
#include <QObject>

class QTcpSocket;
class QTimer;

// One client connection of TestHttpServer: reads requests one after another (keep-alive) and
// writes each answer, pacing the body as the server's behaviour says.
class TestHttpConnection : public QObject
{
    Q_OBJECT

public:
    TestHttpConnection(QTcpSocket *socket, TestHttpServer *server);

private:
    void readRequest();
    void answer(const QByteArray &head);
    void sendHead(int status,
                  const QList<QPair<QByteArray, QByteArray>> &headers,
                  const QByteArray &body = QByteArray());
    void startBody(const QByteArray &body);
    void pump();
    void close();

    QTcpSocket *m_socket;
    TestHttpServer *m_server;
    QTimer *m_pump;
    QByteArray m_input;
    bool m_busy = false;

    // The GET body being written.
    TestHttpServer::Behaviour m_behaviour;
    QByteArray m_body;
    qint64 m_sent = 0;
    bool m_stalled = false;
    bool m_closeAfterBody = false;
    qint64 m_startedMs = 0;
};
