#include "startupplan.h"

#include "dvdpath.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "setupsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString &updateXmlDirValue()
{
    static QString value;
    return value;
}

} // namespace

QString StartupPlan::updateXmlDir()
{
    return updateXmlDirValue();
}

void StartupPlan::setUpdateXmlDir(const QString &folder)
{
    updateXmlDirValue() = folder;
}

StartupPlan StartupPlan::prepare(const QString &programDir, const QStringList &arguments)
{
    StartupPlan plan;
    plan.isResume = arguments.size() == 2;
    if (plan.isResume) {
        plan.resumeLanguage = arguments.at(0);
        plan.resumeStep = arguments.at(1).toInt();
    }

    const QString marker = programDir + QStringLiteral("/tam_setup_exit.txt");
    if (QFileInfo::exists(marker)) {
        // A self-update left this copy behind on purpose: it must not run once more.
        QFile::remove(marker);
        plan.exitAtOnce = true;
        return plan;
    }

    SetupSettings::setSetupPath(SetupSettings::withBackslashes(programDir));
    SetupSettings::setDownloadPath(SetupSettings::defaultDownloadPath());
    SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());
    setUpdateXmlDir(QString());

    if (QFileInfo::exists(programDir + QStringLiteral("/scanner_win.xml"))) {
        setUpdateXmlDir(SetupSettings::updatePath());
        // Left-overs of an earlier self-update; a resume still needs what it downloaded.
        if (!plan.isResume)
            QDir(HostFiles::hostPath(SetupSettings::updatePath())).removeRecursively();
        return plan;
    }

    QString discPath;
    if (readDvdPath(discPath, programDir)) {
        SetupSettings::setSetupPath(SetupSettings::withBackslashes(discPath));
        return plan;
    }
    const bool checkRequested
            = arguments.size() == 1 && arguments.first() == QLatin1String("-check");
    plan.needsDeviceSelection
            = checkRequested || !QFileInfo::exists(programDir + QStringLiteral("/update.xml"));
    return plan;
}
