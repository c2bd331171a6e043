#include "downloadmanager.h"

#include "cabundle.h"
#include "filereplace.h"

#include <QFile>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QTimer>

Q_LOGGING_CATEGORY(lcDownload, "tam.download", QtInfoMsg)

namespace {
void diagnostic(const QString &line)
{
    qCDebug(lcDownload).noquote() << line;
}

// The first byte position of a "Content-Range: bytes FIRST-LAST/LENGTH" header, or -1.
qint64 rangeStart(const QByteArray &contentRange)
{
    const QByteArray value = contentRange.trimmed();
    if (!value.toLower().startsWith("bytes "))
        return -1;
    const int dash = value.indexOf('-', 6);
    if (dash < 0)
        return -1;
    bool ok = false;
    const qint64 start = value.mid(6, dash - 6).trimmed().toLongLong(&ok);
    return ok ? start : -1;
}

// The complete length of a "Content-Range: bytes FIRST-LAST/LENGTH" header, or -1 ("*").
qint64 rangeLength(const QByteArray &contentRange)
{
    const int slash = contentRange.indexOf('/');
    bool ok = false;
    const qint64 length = slash < 0 ? -1 : contentRange.mid(slash + 1).trimmed().toLongLong(&ok);
    return ok ? length : -1;
}
} // namespace

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    // Users in other threads or with queued connections receive the error code too.
    qRegisterMetaType<QNetworkReply::NetworkError>();
    CaBundle::apply();
}

DownloadManager::~DownloadManager()
{
    // Whatever was fetched stays on disk for a later run of the same target.
    if (m_reply)
        pause();
}

void DownloadManager::download(const QUrl &url, const QString &qstrTargetFileName)
{
    diagnostic(QStringLiteral("download: URL=") + url.toString());

    // A request of an earlier download of this instance no longer counts; its data stays.
    abandonReply();
    closePartFile(true);

    m_url = url;
    m_targetFileName = qstrTargetFileName;
    m_downloaded = 0;
    m_resumeOffset = 0;
    probe();
}

void DownloadManager::probe()
{
    if (m_manager)
        m_manager->deleteLater();
    m_manager = new QNetworkAccessManager(this);

    m_request = QNetworkRequest(m_url);
    // Byte counts and ranges must refer to the file itself, not to a compressed rendering.
    m_request.setRawHeader("Accept-Encoding", "identity");
    m_request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::NoLessSafeRedirectPolicy);
    // The GET must not inherit this connection: its read-buffer limit reaches Qt's network
    // thread only after the request has started, and on a connection that is already open the
    // body pours in before it (hundreds of megabytes on a fast link). The GET's own header
    // replaces this one.
    m_request.setRawHeader("Connection", "close");
    m_reply = m_manager->head(m_request);
    m_state = State::Probing;
    armTimer();

    connect(m_reply, &QNetworkReply::finished, this, &DownloadManager::finishedHead);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &DownloadManager::error);
}

void DownloadManager::finishedHead()
{
    m_timer->stop();
    m_acceptsRanges = false;
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    if (!m_reply || reply != m_reply)
        return;

    // An unknown scheme never reached a server; going on would end in an empty "complete" file.
    if (reply->error() == QNetworkReply::ProtocolUnknownError) {
        fail(QNetworkReply::ProtocolUnknownError);
        return;
    }

    QPointer<DownloadManager> self(this);
    for (const QNetworkReply::RawHeaderPair &header : reply->rawHeaderPairs()) {
        emit addLine(QString::fromLatin1(header.first) + QStringLiteral(" = ")
                     + QString::fromLatin1(header.second));
        if (!self || m_reply != reply)
            return;
    }

    if (reply->hasRawHeader("Accept-Ranges")) {
        const QString value = QString::fromLatin1(reply->rawHeader("Accept-Ranges"));
        m_acceptsRanges = value.compare(QLatin1String("bytes"), Qt::CaseInsensitive) == 0;
        diagnostic(
                QStringLiteral("Accept-Ranges = %1 %2")
                        .arg(value,
                             m_acceptsRanges ? QStringLiteral("true") : QStringLiteral("false")));
    }

    emit sigDownloadCanBePaused(m_acceptsRanges);
    if (!self || m_reply != reply)
        return;

    // 64 bits: installers and bundles may exceed 2 GiB.
    m_totalSize = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (!withinLimit(m_totalSize))
        return;
    // A weak entity tag may not guard a range.
    m_validator = reply->rawHeader("ETag");
    if (m_validator.startsWith("W/") || m_validator.isEmpty())
        m_validator = reply->rawHeader("Last-Modified");

    m_request.setRawHeader("Connection", "Keep-Alive");
    m_request.setAttribute(QNetworkRequest::HttpPipeliningAllowedAttribute, true);

    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    m_reply = nullptr;

    if (!openPartFile(m_acceptsRanges)) {
        fail(QNetworkReply::UnknownContentError);
        return;
    }
    m_resumeOffset = m_partFile->size();
    download();
}

void DownloadManager::download()
{
    diagnostic(QStringLiteral("download()"));

    m_speed.reset();
    m_intervalClock.start();

    if (m_acceptsRanges) {
        QByteArray range = "bytes=" + QByteArray::number(m_resumeOffset) + '-';
        if (m_totalSize > 0)
            range += QByteArray::number(m_totalSize);
        m_request.setRawHeader("Range", range);
        // A file that changed since the HEAD comes whole instead of a tail of the new one
        // behind the head of the old one.
        if (m_resumeOffset > 0 && !m_validator.isEmpty())
            m_request.setRawHeader("If-Range", m_validator);
        else
            m_request.setRawHeader("If-Range", QByteArray());
    }
    m_rangeChecked = false;

    m_reply = m_manager->get(m_request);
    // Qt's network thread reads ahead of us only this far; without a limit it buffers as fast
    // as the link delivers whenever this thread is busy. 256 KiB keeps the hand-overs between
    // the threads few (bench/download measures both).
    m_reply->setReadBufferSize(ReadBufferSize);
    m_state = State::Fetching;
    armTimer();

    connect(m_reply, &QNetworkReply::finished, this, &DownloadManager::finished);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &DownloadManager::downloadProgress);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &DownloadManager::error);
    // Draining on every arrival keeps the reply's buffer small on fast links.
    connect(m_reply, &QNetworkReply::readyRead, this, &DownloadManager::readyRead);
}

void DownloadManager::readyRead()
{
    if (m_reply && sender() == m_reply)
        drain();
}

void DownloadManager::downloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    m_timer->stop();
    if (!m_reply || sender() != m_reply)
        return;
    if (!checkRange())
        return;

    // A GET that announces more than the limit is refused before its body lands on disk.
    if (bytesTotal > 0 && !withinLimit(m_resumeOffset + bytesTotal))
        return;
    m_downloaded = m_resumeOffset + bytesReceived;
    if (!drain())
        return;

    const qint64 speed = m_speed.report(bytesReceived, m_intervalClock.restart());
    diagnostic(QStringLiteral("speed = %1").arg(speed));

    QPointer<DownloadManager> self(this);
    QNetworkReply *reply = m_reply;
    emit sigDownloadProgress(speed, m_resumeOffset, bytesReceived, bytesTotal);
    // A receiver may have paused, or deleted the downloader.
    if (!self || m_reply != reply)
        return;
    armTimer();
}

void DownloadManager::finished()
{
    diagnostic(QStringLiteral("DownloadManager::finished"));
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    if (!m_reply || reply != m_reply)
        return;
    m_timer->stop();

    // An unknown scheme never reached a server: not a completion.
    if (reply->error() == QNetworkReply::ProtocolUnknownError) {
        fail(QNetworkReply::ProtocolUnknownError);
        return;
    }
    if (!checkRange() || !drain())
        return;

    if (m_partFile) {
        const qint64 size = m_partFile->size();
        m_partFile->close();

        // A body that ended early (a dropped connection without an error, a changed file) is
        // not the file the server announced.
        qint64 expected = m_totalSize;
        bool lengthKnown = false;
        const qint64 getLength
                = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthKnown);
        if (lengthKnown)
            expected = qMax(expected, m_resumeOffset + getLength);
        if (size < expected) {
            diagnostic(QStringLiteral("short body: %1 of %2 bytes").arg(size).arg(expected));
            fail(QNetworkReply::UnknownContentError);
            return;
        }

        // One step, so that a failure leaves the old target where it was.
        if (!sys::replaceFile(m_partFile->fileName().toStdString(),
                              m_targetFileName.toStdString())) {
            // Keep the side file: its data is whole, only the target is in the way.
            diagnostic(QStringLiteral("cannot replace %1 by %2")
                               .arg(m_targetFileName, m_partFile->fileName()));
            delete m_partFile;
            m_partFile = nullptr;
            fail(QNetworkReply::UnknownContentError);
            return;
        }
        delete m_partFile;
        m_partFile = nullptr;
    }
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    m_reply = nullptr;
    m_state = State::Over;

    QPointer<DownloadManager> self(this);
    emit downloadComplete();
    if (self)
        QObject::disconnect(this, nullptr, nullptr, nullptr);
}

void DownloadManager::pause()
{
    diagnostic(QStringLiteral("pause() = %1").arg(m_downloaded));
    if (!m_reply)
        return;

    m_timer->stop();
    disconnect(m_timer, &QTimer::timeout, this, &DownloadManager::timeout);
    const bool probing = m_state == State::Probing;
    abandonReply();
    closePartFile(true);
    m_downloaded = 0;
    m_state = probing ? State::PausedProbing : State::Paused;
}

void DownloadManager::resume()
{
    diagnostic(QStringLiteral("resume() = %1").arg(m_resumeOffset));
    if (m_state == State::PausedProbing) {
        // Paused before the server said anything about ranges: ask again rather than guess
        // (guessing "no ranges" would throw away an earlier run's side file).
        probe();
        return;
    }
    // A second GET beside a running one would interleave two bodies in the side file.
    if (m_state != State::Paused)
        return;

    if (!openPartFile(m_acceptsRanges)) {
        fail(QNetworkReply::UnknownContentError);
        return;
    }
    m_resumeOffset = m_acceptsRanges ? m_partFile->size() : 0;
    download();
}

void DownloadManager::error(QNetworkReply::NetworkError code)
{
    diagnostic(QStringLiteral("DownloadManager::error(%1)").arg(int(code)));
    if (!m_reply || sender() != m_reply)
        return;
    if (code == QNetworkReply::ProtocolUnknownError)
        return;
    fail(code);
}

void DownloadManager::timeout()
{
    diagnostic(QStringLiteral("DownloadManager::timeout"));
    if (m_state != State::Probing && m_state != State::Fetching)
        return;
    abandonReply();
    removePartFile();
    m_state = State::Over;
    emit sigDownloadTimeout();
}

QString DownloadManager::partFileName() const
{
    return m_targetFileName + QStringLiteral(".part");
}

bool DownloadManager::openPartFile(bool keepExisting)
{
    closePartFile(true);
    if (!keepExisting)
        QFile::remove(partFileName());
    m_partFile = new QFile(partFileName(), this);
    // Unbuffered: blocks arrive large enough, and QFile's buffer would only copy them once more.
    if (!m_partFile->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        diagnostic(QStringLiteral("cannot open %1: %2")
                           .arg(m_partFile->fileName(), m_partFile->errorString()));
        delete m_partFile;
        m_partFile = nullptr;
        return false;
    }
    return true;
}

void DownloadManager::closePartFile(bool keep)
{
    if (!m_partFile)
        return;
    m_partFile->flush();
    m_resumeOffset = m_partFile->size();
    m_partFile->close();
    if (!keep)
        m_partFile->remove();
    delete m_partFile;
    m_partFile = nullptr;
}

void DownloadManager::removePartFile()
{
    if (!m_partFile)
        return;
    m_partFile->close();
    m_partFile->remove();
    delete m_partFile;
    m_partFile = nullptr;
}

void DownloadManager::armTimer()
{
    m_timer->stop();
    m_timer->setInterval(m_timeout);
    // Connected once at any time, so one expiry is one time-out.
    connect(m_timer, &QTimer::timeout, this, &DownloadManager::timeout, Qt::UniqueConnection);
    m_timer->start();
}

void DownloadManager::abandonReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    // Nothing it still delivers is read; aborting frees its connection at once. A reply that
    // already failed is ending anyway.
    if (reply->isRunning() && reply->error() == QNetworkReply::NoError)
        reply->abort();
    reply->deleteLater();
}

bool DownloadManager::checkRange()
{
    if (m_rangeChecked || !m_reply)
        return true;
    m_rangeChecked = true;
    if (m_resumeOffset == 0 || !m_partFile)
        return true;

    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray contentRange = m_reply->rawHeader("Content-Range");
    const qint64 start = status == 206 ? rangeStart(contentRange) : -1;
    const qint64 length = status == 206 ? rangeLength(contentRange) : -1;
    if (length >= 0 && m_totalSize > 0 && length != m_totalSize) {
        // Another file than the one whose head the side file holds.
        diagnostic(
                QStringLiteral("range of a file of %1 bytes, not %2").arg(length).arg(m_totalSize));
        fail(QNetworkReply::ProtocolFailure);
        return false;
    }
    if (start == m_resumeOffset)
        return true;
    if (status == 206 && start != 0) {
        diagnostic(QStringLiteral("unusable range from %1 for offset %2")
                           .arg(start)
                           .arg(m_resumeOffset));
        fail(QNetworkReply::ProtocolFailure);
        return false;
    }
    // The server sends the whole file again: appending it would corrupt the side file.
    diagnostic(QStringLiteral("range ignored (status %1): starting over").arg(status));
    m_partFile->resize(0);
    m_resumeOffset = 0;
    // The whole file again, maybe a changed one: its own length and version count from now on.
    bool lengthKnown = false;
    const qint64 whole
            = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthKnown);
    if (lengthKnown)
        m_totalSize = whole;
    if (m_reply->hasRawHeader("ETag") && !m_reply->rawHeader("ETag").startsWith("W/"))
        m_validator = m_reply->rawHeader("ETag");
    return true;
}

bool DownloadManager::drain()
{
    if (!m_reply || !m_partFile)
        return true;
    if (!checkRange())
        return false;
    while (m_reply->bytesAvailable() > 0) {
        const QByteArray data = m_reply->readAll();
        if (!withinLimit(m_partFile->size() + data.size()))
            return false;
        if (m_partFile->write(data) != data.size()) {
            diagnostic(QStringLiteral("cannot write %1: %2")
                               .arg(m_partFile->fileName(), m_partFile->errorString()));
            fail(QNetworkReply::UnknownContentError);
            return false;
        }
    }
    return true;
}

bool DownloadManager::withinLimit(qint64 bytes)
{
    if (m_sizeLimit <= 0 || bytes <= m_sizeLimit)
        return true;
    diagnostic(QStringLiteral("%1 bytes exceed the limit of %2").arg(bytes).arg(m_sizeLimit));
    fail(QNetworkReply::UnknownContentError);
    return false;
}

void DownloadManager::fail(QNetworkReply::NetworkError code)
{
    m_timer->stop();
    abandonReply();
    removePartFile();
    m_state = State::Over;
    emit sigDownloadError(code);
}
