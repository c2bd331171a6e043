#pragma once

// Shared by the unattended path's end-to-end tests: a copy of the demo disc whose helper is
// the test variant (it logs its boxes instead of showing them), a machine on which the demo's
// driver is installed, and one run of the unattended path with its exit code, log and report.

#include "catalogtestsupport.h"
#include "deploycatalogue.h"
#include "deployswitches.h"
#include "segmentprotocol.h"
#include "unattendedsetup.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

// Wine keeps no ACL on files, so its helper refuses every downloaded payload (the payload
// cache is not a folder only administrators can write there).
inline bool underWine()
{
    return qEnvironmentVariableIsSet("WINELOADER");
}

struct DeployRunResult
{
    int exitCode = -1;
    QStringList log;
    QJsonObject report;

    // shortName -> result, from the report.
    QMap<QString, QString> results() const
    {
        QMap<QString, QString> map;
        for (const QJsonValue &row : report.value(QStringLiteral("applications")).toArray())
            map.insert(row[QStringLiteral("shortName")].toString(),
                       row[QStringLiteral("result")].toString());
        return map;
    }
    bool logged(const QString &text) const
    {
        return std::any_of(log.begin(), log.end(), [&text](const QString &line) {
            return line.contains(text);
        });
    }
    QString logText() const { return log.join(QLatin1Char('\n')); }
};

class DeployTestDisc
{
public:
    // Copies the demo disc's catalogue and installers (not setup itself) and puts the test
    // helper in setup_runner's place.
    bool create(const QString &folder)
    {
        m_folder = folder;
        const QString demo = QStringLiteral(TAM_DEMO_DISC);
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString relative = QDir(demo).relativeFilePath(source);
            if (!relative.contains(QLatin1Char('/')) && QFileInfo(source).isExecutable())
                continue; // setup, setup_runner, the DNS-SD library
            const QString target = folder + QLatin1Char('/') + relative;
            if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
                return false;
        }
        const QString helper = QStringLiteral(TAM_TEST_HELPER);
        return QFile::copy(helper, folder + QLatin1Char('/') + QFileInfo(helper).fileName());
    }
    QString folder() const { return m_folder; }
    QString file(const QString &relative) const { return m_folder + QLatin1Char('/') + relative; }

private:
    QString m_folder;
};

// What the demo machine has installed (demo/machine/registry.reg): the driver, and PaperDesk
// with its runtime, whose check the stand-in installer cannot satisfy.
inline void installDemoMachineState()
{
    ScratchMachine::addUninstallEntry(false,
                                      QStringLiteral("{6E1B2C3D-4A5F-4B6C-9D7E-8F9012A3B4C5}"),
                                      QStringLiteral("DocuStream Scanner Driver"),
                                      QStringLiteral("2.1.0"));
    ScratchMachine::addUninstallEntry(true,
                                      QStringLiteral("PaperDesk"),
                                      QStringLiteral("Tamberlin PaperDesk 5"),
                                      QStringLiteral("5.2.1"));
    sys::RegKey::create(sys::RegRoot::LocalMachine,
                        L"SOFTWARE\\Tamberlin\\SharedRuntime",
                        sys::RegAccess::AllAccess)
            .setString(L"Version", L"1.4");
}

// The surroundings of unattended runs in a test: a folder of its own with a private temporary
// folder (the segment's key depends on it: a setup that runs meanwhile on this machine must not
// look like a second instance), the helper's boxes logged there, and a fresh machine for each
// test with the demo machine's state.
class DeployTestBench
{
public:
    // In initTestCase().
    bool prepare()
    {
        if (!m_root.isValid() || !QDir().mkpath(path(QStringLiteral("tmp"))))
            return false;
        qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmp"))));
        qputenv("TAM_MESSAGE_LOG", QFile::encodeName(path(QStringLiteral("helper.log"))));
        return true;
    }
    // In init() and cleanup().
    void startMachine()
    {
        m_machine.reset(new ScratchMachine);
        QDir().mkpath(m_machine->path(QStringLiteral("machine")));
        qputenv("TAM_MACHINE", QFile::encodeName(m_machine->path(QStringLiteral("machine"))));
        installDemoMachineState();
    }
    void endMachine() { m_machine.reset(); }

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    ScratchMachine &machine() { return *m_machine; }
    // Where a test's runs leave their logs and reports.
    QString runs() const { return m_machine->path(QString()); }

private:
    QTemporaryDir m_root;
    QScopedPointer<ScratchMachine> m_machine;
};

// One unattended run from programDir with arguments; /log and /report go to folder, the log
// to logName when given (runs append to it).
inline DeployRunResult runUnattended(const QString &programDir,
                                     QStringList arguments,
                                     const QString &folder,
                                     const QString &logName = QString())
{
    static int runs = 0;
    ++runs;
    const QString log = folder + QLatin1Char('/')
                        + (logName.isEmpty() ? QStringLiteral("run%1.log").arg(runs) : logName);
    const QString report = QStringLiteral("%1/run%2.json").arg(folder).arg(runs);
    arguments << QStringLiteral("/log") << log << QStringLiteral("/report") << report;
    const QString downloads = SetupSettings::downloadPath();
    DeployCatalogue::preparePaths(programDir);
    SetupSettings::setDownloadPath(downloads);
    QDir::setCurrent(programDir);

    DeployRunResult result;
    UnattendedSetup setup(DeploySwitches::parse(arguments), programDir);
    QSignalSpy finished(&setup, &UnattendedSetup::finished);
    setup.start();
    if (!finished.wait(60000))
        return result;
    result.exitCode = finished.first().first().toInt();
    QFile logFile(log);
    if (logFile.open(QIODevice::ReadOnly | QIODevice::Text))
        result.log
                = QString::fromUtf8(logFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QFile reportFile(report);
    if (reportFile.open(QIODevice::ReadOnly))
        result.report = QJsonDocument::fromJson(reportFile.readAll()).object();
    return result;
}
