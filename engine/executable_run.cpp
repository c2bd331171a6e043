#include "executable.h"

#include "messageseam.h"
#include "process.h"
#include "services.h"
#include "urlopener.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

// How soon an abandoned run notices.
constexpr uint32_t AbandonCheckMs = 100;

bool isDrivePath(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[/\\\\]"));
    return drive.match(path).hasMatch();
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString Executable::absoluteDirectory() const
{
    // QDir would put the current directory in front of "C:/..." on hosts without drives.
    if (isDrivePath(m_directoryPath))
        return QDir::cleanPath(m_directoryPath);
    return m_directory.absolutePath();
}

QString Executable::program() const
{
    if (m_isJustFileName)
        return m_fileName;
    QString name = m_fileName;
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return absoluteDirectory() + QLatin1Char('/') + name;
}

QString Executable::commandLine() const
{
    QString line = quoted(program());
    for (const QString &argument : m_arguments)
        line += QLatin1Char(' ') + argument;
    return line;
}

QString Executable::debugText() const
{
    QString text = QStringLiteral("The executable name is ") + quoted(program()) + QLatin1Char('.');
    for (int i = 0; i < m_arguments.size(); ++i) {
        const QString &argument = m_arguments.at(i);
        if (argument.contains(QLatin1Char('"')))
            text += QStringLiteral("\nArgument %1 is '%2'.").arg(i + 1).arg(argument);
        else
            text += QStringLiteral("\nArgument %1 is \"%2\".").arg(i + 1).arg(argument);
    }
    if (m_setCwd)
        text += QStringLiteral("\n\nThe current working directory is set, and is ")
                + quoted(absoluteDirectory()) + QLatin1Char('.');
    text += QStringLiteral("\n\nThe command line:\n%1").arg(commandLine());
    return text;
}

bool Executable::waitFor(sys::Process &process)
{
    while (!process.wait(AbandonCheckMs)) {
        if (m_abandoned)
            return false;
    }
    return true;
}

void Executable::sleepUnlessAbandoned(int seconds)
{
    for (qint64 left = qint64(seconds) * 1000; left > 0 && !m_abandoned; left -= AbandonCheckMs)
        QThread::msleep(AbandonCheckMs);
}

void Executable::run()
{
    m_started = false;
    m_exitCode = sys::StillActive;
    m_startError = 0;
    const QString line = commandLine();
    if (m_debug) {
        // A plain box without owner: it is shown from this thread and the run waits for it.
        MessageSeam::show(nullptr,
                          MessageSeam::Information,
                          QStringLiteral("DEBUG"),
                          debugText(),
                          MessageSeam::Ok);
    }
    if (line.contains(QLatin1String("QuickTap4Install")))
        sys::stopService(L"QuickTap 4.0 Monitor", 15000);
    if (m_forceUninstall && !m_anotherInstalledProductCode.isEmpty()) {
        sys::Process uninstall;
        const QString removal
                = QStringLiteral("msiexec.exe /qn /X") + m_anotherInstalledProductCode;
        if (uninstall.start(removal.toStdWString()) && !waitFor(uninstall))
            return;
    }

    // Both paths go through the platform's process start, which hands the command line to
    // CreateProcessW untouched; QProcess would quote the arguments again on Windows.
    sys::Process process;
    m_started = m_setCwd ? process.start(line.toStdWString(), absoluteDirectory().toStdWString())
                         : process.start(line.toStdWString());
    m_startError = process.startError();
    if (m_started) {
        if (!waitFor(process))
            return;
        m_exitCode = process.exitCode();
        if (m_setCwd && m_waitAfterInstall > 0)
            sleepUnlessAbandoned(m_waitAfterInstall);
    }

    // Opened also when the program could not be started: it is often the product's readme.
    if (!m_postProcess.isEmpty() && !m_abandoned)
        UrlOpener::open(QUrl(m_postProcess, QUrl::TolerantMode));
}
