#include "executable.h"

#include "hostfiles.h"
#include "pathvariables.h"

#include <QFileInfo>

Executable::Executable(QObject *parent)
    : QThread(parent)
{}

Executable::~Executable()
{
    // Destroying a thread that still runs would end the whole process.
    if (isRunning()) {
        abandon();
        wait();
    }
}

void Executable::abandon()
{
    m_abandoned = true;
}

void Executable::setDirectory(const QString &path)
{
    m_directoryPath = path;
    m_directory = QDir(path);
}

bool Executable::setExecutable(const QString &path, bool mustExist)
{
    const QString resolved = PathVariables::resolveExecutablePath(path);
    const int slash = resolved.lastIndexOf(QLatin1Char('/'));
    // The file name keeps its leading "/": the run list carries it that way.
    m_fileName = slash < 0 ? resolved : resolved.mid(slash);
    const QString directory = slash < 0 ? QString() : resolved.left(slash);
    if (directory.isEmpty()) {
        m_isJustFileName = true;
        return true;
    }
    m_isJustFileName = false;
    setDirectory(directory);
    if (!mustExist)
        return true;
    const QString hostDirectory = HostFiles::hostPath(directory);
    const QFileInfo file(hostDirectory + m_fileName);
    return QFileInfo(hostDirectory).isDir() && file.exists() && !file.isDir();
}

void Executable::setCommandLine(const QString &text)
{
    QString scanned;
    scanned.reserve(text.size());
    bool inQuotes = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            inQuotes = !inQuotes;
            scanned.append(c);
        } else if (c.isSpace()) {
            scanned.append(inQuotes ? QLatin1Char(' ') : QLatin1Char('\n'));
        } else {
            scanned.append(c);
        }
    }
    m_arguments.clear();
    for (QString argument : scanned.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const bool doubleQuoted = argument.size() >= 2 && argument.startsWith(QLatin1Char('"'))
                                  && argument.endsWith(QLatin1Char('"'));
        const bool singleQuoted = argument.size() >= 2 && argument.startsWith(QLatin1Char('\''))
                                  && argument.endsWith(QLatin1Char('\''));
        if (!m_preserveArgQuotes && (doubleQuoted || singleQuoted))
            argument = argument.mid(1, argument.size() - 2);
        m_arguments.append(argument);
    }
}
