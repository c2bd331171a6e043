#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

class QSslSocket;

// An HTTPS server on 127.0.0.1 that records the request line and headers of every GET it
// receives and answers each with a short 200 reply. Built for checking what a client really
// sent, after Qt's encoding and the TLS layer.
class HttpsRecorder : public QTcpServer
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // as sent: path and percent-encoded query
        QList<QPair<QByteArray, QByteArray>> headers;
        // The first header of that name (case-insensitive); empty when absent.
        QByteArray header(const QByteArray &name) const;
        QByteArray path() const;
        // The query decoded as a form: "+" is a blank, %XX a byte, UTF-8 text.
        QList<QPair<QString, QString>> queryItems() const;
    };

    explicit HttpsRecorder(QObject *parent = nullptr);

    // Loads the PEM certificate chain and key and listens on a free port of 127.0.0.1.
    bool start(const QString &certificateFile, const QString &keyFile);
    const QList<Request> &requests() const { return m_requests; }

signals:
    void requestSeen();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readFrom(QSslSocket *socket);

    QList<QSslCertificate> m_chain;
    QSslKey m_key;
    QList<Request> m_requests;
    // What each connection sent so far of a request head.
    QHash<QSslSocket *, QByteArray> m_input;
};
