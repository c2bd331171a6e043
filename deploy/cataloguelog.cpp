#include "cataloguelog.h"

#include "application.h"
#include "checker.h"
#include "deploylog.h"
#include "installer.h"
#include "stagedpayload.h"
#include "versioncompare.h"

namespace {

// The entry itself, or the two variants of a disc/web pair.
QList<Application *> variantsOf(const Application *application)
{
    if (application->isCombined())
        return {application->discEntry(), application->webEntry()};
    return {const_cast<Application *>(application)};
}

QString subject(const Checker &checker)
{
    const QString value = checker.queryValue();
    const QString root = checker.queryRoot().isEmpty() ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                       : checker.queryRoot();
    switch (checker.type()) {
    case Checker::Type::InstallerCode:
        return QStringLiteral("product code %1").arg(value);
    case Checker::Type::File:
        return QStringLiteral("a file check (never counts as installed)");
    case Checker::Type::Settings:
        return QStringLiteral("a settings check (never counts as installed)");
    case Checker::Type::RegistryKey:
        return QStringLiteral("registry key %1\\%2").arg(root, value);
    case Checker::Type::Ignored:
        return QStringLiteral("no check (always counts as installed)");
    case Checker::Type::UpgradeCode:
        return QStringLiteral("upgrade code %1").arg(value);
    case Checker::Type::DisplayName:
        return QStringLiteral("a product named \"%1…\"").arg(value);
    case Checker::Type::UninstallAll:
        return QStringLiteral("a user's Uninstall entry %1").arg(value);
    case Checker::Type::RegistryKeyValue:
        return QStringLiteral("registry value %1\\%2").arg(root, value);
    default:
        return checker.isConfigured() ? QStringLiteral("an unknown kind of check")
                                      : QStringLiteral("no checker (never counts as installed)");
    }
}

QString versionCondition(const Checker &checker)
{
    const QString version = checker.matchValue();
    switch (checker.matchMode()) {
    case engine::MatchMode::Exists:
        return QStringLiteral(" in any version");
    case engine::MatchMode::IsExact:
    case engine::MatchMode::IsEqual:
        return QStringLiteral(" at version %1").arg(version);
    case engine::MatchMode::IsNewer:
        return QStringLiteral(" newer than %1").arg(version);
    case engine::MatchMode::IsEqualOrNewer:
        return QStringLiteral(" at version %1 or newer").arg(version);
    case engine::MatchMode::IsOlder:
        return QStringLiteral(" older than %1").arg(version);
    case engine::MatchMode::IsEqualOrOlder:
        return QStringLiteral(" at version %1 or older").arg(version);
    default:
        return QString();
    }
}

} // namespace

void CatalogueLog::writeStagedPayloads(DeployLog &log, const QList<Application *> &applications)
{
    const QString folder = StagedPayload::folder();
    for (const Application *application : applications) {
        for (const Application *variant : variantsOf(application)) {
            for (const Installer *installer : variant->installers()) {
                if (installer->downloadPath().startsWith(folder, Qt::CaseInsensitive))
                    log.write(QStringLiteral("%1: %2 lies in %3 with its SHA-256 and counts as "
                                             "downloaded")
                                      .arg(application->displayName(),
                                           installer->url(),
                                           installer->downloadPath()));
            }
        }
    }
}

void CatalogueLog::writeChecks(DeployLog &log, Application *application)
{
    const bool combined = application->isCombined();
    for (Application *variant : variantsOf(application)) {
        const QList<Installer *> pending
                = variant->pendingLocalInstallers() + variant->pendingWebInstallers();
        const QString name = !combined ? application->displayName()
                             : variant == application->discEntry()
                                     ? QStringLiteral("%1 (disc)").arg(application->displayName())
                                     : QStringLiteral("%1 (web)").arg(application->displayName());
        for (Installer *installer : variant->installers())
            log.write(QStringLiteral("check of %1, installer \"%2\": %3")
                              .arg(name,
                                   installer->displayName(),
                                   check(*installer, !pending.contains(installer))));
    }
    if (combined)
        log.write(QStringLiteral("%1: the %2 variant is chosen")
                          .arg(application->displayName(),
                               application->useWebVersion() ? QStringLiteral("web")
                                                            : QStringLiteral("disc")));
}

QString CatalogueLog::check(const Installer &installer, bool installed)
{
    const Checker &checker = installer.checker();
    const bool versioned = checker.type() != Checker::Type::File
                           && checker.type() != Checker::Type::Settings
                           && checker.type() != Checker::Type::Ignored
                           && checker.type() != Checker::Type::RegistryKey;
    QString text = subject(checker) + (versioned ? versionCondition(checker) : QString())
                   + QStringLiteral(": ")
                   + (installed ? QStringLiteral("installed") : QStringLiteral("not installed"));
    if (!checker.foundVersion().isEmpty())
        text += QStringLiteral(" (found %1)").arg(checker.foundVersion());
    return text;
}
