#pragma once

// One program run of an installer. The catalogue and the run list fill it; it runs on its own
// thread so that the installer sequence continues on finished().

#include <QDir>
#include <QStringList>
#include <QThread>

#include <atomic>

namespace sys {
class Process;
}

class Executable : public QThread
{
    Q_OBJECT

public:
    explicit Executable(QObject *parent = nullptr);
    // Joins a run that is still going: abandons it first, so that the join does not wait for
    // the program.
    ~Executable() override;

    // Stops waiting for the running program (which goes on by itself) and ends the run soon,
    // without its post process. For good: the executable is not run again. Any thread.
    void abandon();

    // Resolves $ProgramFiles$, $SetupPath$ and $DownloadPath$ and splits the path into
    // directory and file name. A path without directory is found through the search path at
    // run time. With mustExist, false when the file is not in its directory.
    bool setExecutable(const QString &path, bool mustExist);
    // Splits a catalogue command line into arguments: white space outside quotes separates,
    // quotes stay inside arguments, and an argument quoted at both ends loses those quotes
    // unless preserveArgQuotes is set (set it first).
    void setCommandLine(const QString &text);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    QDir directory() const { return m_directory; }
    // The directory as the catalogue gave it ("/" separators), without making it absolute.
    QString directoryPath() const { return m_directoryPath; }
    void setDirectory(const QString &path);
    QStringList arguments() const { return m_arguments; }
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    bool setCwd() const { return m_setCwd; }
    void setSetCwd(bool set) { m_setCwd = set; }
    bool isJustFileName() const { return m_isJustFileName; }
    void setIsJustFileName(bool just) { m_isJustFileName = just; }
    bool debug() const { return m_debug; }
    void setDebug(bool debug) { m_debug = debug; }
    bool preserveArgQuotes() const { return m_preserveArgQuotes; }
    void setPreserveArgQuotes(bool preserve) { m_preserveArgQuotes = preserve; }
    bool forceUninstall() const { return m_forceUninstall; }
    void setForceUninstall(bool force) { m_forceUninstall = force; }
    QString anotherInstalledProductCode() const { return m_anotherInstalledProductCode; }
    void setAnotherInstalledProductCode(const QString &code)
    {
        m_anotherInstalledProductCode = code;
    }
    QString srcPath() const { return m_srcPath; }
    void setSrcPath(const QString &path) { m_srcPath = path; }
    QString srcCompression() const { return m_srcCompression; }
    void setSrcCompression(const QString &compression) { m_srcCompression = compression; }
    QString postProcess() const { return m_postProcess; }
    void setPostProcess(const QString &target) { m_postProcess = target; }
    int waitAfterInstall() const { return m_waitAfterInstall; }
    void setWaitAfterInstall(int seconds) { m_waitAfterInstall = seconds; }

    // The program as the command line names it, the command line itself, and the text of the
    // debug box, all as run() uses them.
    QString program() const;
    QString commandLine() const;
    QString debugText() const;
    // The directory made absolute; a Windows drive path counts as absolute on every host.
    QString absoluteDirectory() const;

    // How the last run went, once finished() has come: whether the program started, its exit
    // code when it ended, the Windows error code when it could not start.
    bool hasStarted() const { return m_started; }
    quint32 exitCode() const { return m_exitCode; }
    quint32 startError() const { return m_startError; }

protected:
    // Stops the scan utility's monitor when asked, removes an older version when configured,
    // runs the program and waits for it, then opens the post process.
    void run() override;

private:
    // Waits for process to end; false when the run was abandoned meanwhile.
    bool waitFor(sys::Process &process);
    // Sleeps for the given time or until the run is abandoned.
    void sleepUnlessAbandoned(int seconds);

    std::atomic<bool> m_abandoned{false};
    QString m_fileName;
    QDir m_directory;
    QString m_directoryPath;
    QStringList m_arguments;
    bool m_setCwd = false;
    bool m_isJustFileName = false;
    bool m_debug = false;
    bool m_preserveArgQuotes = false;
    bool m_forceUninstall = false;
    QString m_anotherInstalledProductCode;
    QString m_srcPath;
    QString m_srcCompression;
    QString m_postProcess;
    int m_waitAfterInstall = 0;
    bool m_started = false;
    quint32 m_exitCode = 0;
    quint32 m_startError = 0;
};
