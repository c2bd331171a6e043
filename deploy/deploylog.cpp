#include "deploylog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

bool DeployLog::open(const QString &path, QString *error)
{
    m_file.close();
    m_file.setFileName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Text mode: the platform's line ends, so that the editors of either system show lines.
    if (m_file.open(QIODevice::Append | QIODevice::Text))
        return true;
    if (error)
        *error = m_file.errorString();
    return false;
}

void DeployLog::write(const QString &event)
{
    if (!m_file.isOpen())
        return;
    m_file.write((timeStamp(QDateTime::currentDateTime()) + QLatin1Char(' ') + oneLine(event)
                  + QLatin1Char('\n'))
                         .toUtf8());
    m_file.flush();
}

QString DeployLog::timeStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString DeployLog::oneLine(const QString &event)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(event).replace(breaks, QStringLiteral(" ")).trimmed();
}

QString DeployLog::bytes(qint64 count)
{
    return QStringLiteral("%1 bytes").arg(QLocale::c().toString(count));
}
