// What the download manager's tests share: a local HTTP server whose behaviour each test sets
// (testhttpserver.h), a scratch folder for the target and its side file, and a
// downloader with a spy on every signal. A test class derives from the fixture and calls
// startServer() from its own init(): the fixture declares no slots, since QtTest would run
// inherited ones as tests.

#pragma once

#include "downloadmanager.h"
#include "testhttpserver.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

// Tests of the time-out itself wait for the short one. The others expect no time-out and allow
// a long silence: under Wine on a busy machine the server, which shares the client's event
// loop, can pause past the short one.
constexpr int ShortTimeout = 300;
constexpr int RelaxedTimeout = 5000;

inline QByteArray makeBody(int size)
{
    QByteArray body(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        body[i] = char((i * 7 + i / 251) & 0xff);
    return body;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), qint64(data.size()));
}

// Whether object still has a timer of its own running that could make it report something later.
inline bool hasRunningTimer(const QObject &object)
{
    const QList<QTimer *> timers
            = object.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    return std::any_of(
            timers.begin(), timers.end(), [](const QTimer *timer) { return timer->isActive(); });
}

// One downloader with a spy on every signal.
struct Run
{
    explicit Run(int inactivityTimeoutMs = RelaxedTimeout)
        : complete(&manager, &DownloadManager::downloadComplete)
        , error(&manager, &DownloadManager::sigDownloadError)
        , timeout(&manager, &DownloadManager::sigDownloadTimeout)
        , canBePaused(&manager, &DownloadManager::sigDownloadCanBePaused)
        , progress(&manager, &DownloadManager::sigDownloadProgress)
        , lines(&manager, &DownloadManager::addLine)
    {
        manager.setInactivityTimeout(inactivityTimeoutMs);
    }

    int ends() const { return complete.count() + error.count() + timeout.count(); }
    // Runs an event loop until the download ends: the server answers from this thread, and
    // QTest::qWaitFor would let it and the downloader move only every 10 ms.
    bool waitForEnd(int ms = 10000)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        QObject::connect(&manager, &DownloadManager::downloadComplete, &loop, &QEventLoop::quit);
        QObject::connect(&manager, &DownloadManager::sigDownloadError, &loop, &QEventLoop::quit);
        QObject::connect(&manager, &DownloadManager::sigDownloadTimeout, &loop, &QEventLoop::quit);
        if (ends() == 0)
            loop.exec();
        return ends() > 0;
    }
    QNetworkReply::NetworkError errorCode() const
    {
        return error.isEmpty() ? QNetworkReply::NoError
                               : error.first().first().value<QNetworkReply::NetworkError>();
    }
    QStringList headerLines() const
    {
        QStringList result;
        for (const QList<QVariant> &args : lines)
            result << args.first().toString();
        return result;
    }

    DownloadManager manager;
    QSignalSpy complete;
    QSignalSpy error;
    QSignalSpy timeout;
    QSignalSpy canBePaused;
    QSignalSpy progress;
    QSignalSpy lines;
};

class DownloadManagerFixture : public QObject
{
protected:
    void startServer()
    {
        qRegisterMetaType<QNetworkReply::NetworkError>();
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_server.reset(new TestHttpServer);
        QVERIFY(m_server->listen());
        m_server->behaviour().body = m_body;
    }
    QString target() const { return m_dir->filePath(QStringLiteral("file.bin")); }
    QString part() const { return target() + QStringLiteral(".part"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestHttpServer> m_server;
    const QByteArray m_body = makeBody(50000);
};
