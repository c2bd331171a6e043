#include "deployreport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString ApplicationOutcome::resultName(Result result)
{
    switch (result) {
    case Result::Installed:
        return QStringLiteral("installed");
    case Result::AlreadyInstalled:
        return QStringLiteral("alreadyInstalled");
    case Result::Failed:
        return QStringLiteral("failed");
    case Result::NotApplicable:
        return QStringLiteral("notApplicable");
    case Result::Postponed:
        return QStringLiteral("postponed");
    case Result::NotInstalled:
        return QStringLiteral("notInstalled");
    }
    return QString();
}

namespace {

QJsonObject programObject(const ProgramRun &run)
{
    QJsonObject object{{QStringLiteral("program"), run.program}};
    if (run.started)
        object.insert(QStringLiteral("exitCode"), run.exitCode);
    else
        object.insert(QStringLiteral("startError"), run.startError);
    return object;
}

QJsonObject applicationObject(const ApplicationOutcome &outcome)
{
    QJsonArray programs;
    for (const ProgramRun &run : outcome.programs)
        programs.append(programObject(run));
    QJsonObject object{{QStringLiteral("shortName"), outcome.shortName},
                       {QStringLiteral("displayName"), outcome.displayName},
                       {QStringLiteral("result"), ApplicationOutcome::resultName(outcome.result)},
                       {QStringLiteral("programs"), programs}};
    if (!outcome.reason.isEmpty())
        object.insert(QStringLiteral("reason"), outcome.reason);
    return object;
}

} // namespace

QByteArray DeployReport::toJson(int exitCode,
                                bool restartRequired,
                                const QList<ApplicationOutcome> &applications)
{
    QJsonArray rows;
    for (const ApplicationOutcome &outcome : applications)
        rows.append(applicationObject(outcome));
    const QJsonObject root{{QStringLiteral("exitCode"), exitCode},
                           {QStringLiteral("restartRequired"), restartRequired},
                           {QStringLiteral("applications"), rows}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool DeployReport::write(const QString &path,
                         int exitCode,
                         bool restartRequired,
                         const QList<ApplicationOutcome> &applications,
                         QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(toJson(exitCode, restartRequired, applications)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
