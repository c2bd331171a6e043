#include "deployselection.h"

#include "application.h"
#include "executable.h"
#include "hostpath.h"
#include "installer.h"

#include <QFileInfo>

namespace {

// Every installer of the variant can run from what is here: the disc's programs, and payloads
// that lie at their download targets.
bool payloadIsHere(const Application *variant)
{
    for (const Installer *installer : variant->installers()) {
        if (!installer->isDownloaded())
            return false;
        const Executable *main = installer->mainInstallStep();
        if (!main->isJustFileName() && !main->srcCompression().isEmpty())
            continue; // unpacked from its payload when it runs
        if (!main->isJustFileName()
            && !QFileInfo::exists(
                    QString::fromStdString(sys::toHostPath(main->program().toStdWString()))))
            return false;
    }
    return true;
}

} // namespace

QList<Application *> DeploySelection::choose(const QList<Application *> &catalogue,
                                             const DeploySwitches &switches,
                                             QStringList *unknownNames)
{
    QList<Application *> chosen;
    for (const QString &name : switches.selection) {
        const bool known = std::any_of(
                catalogue.begin(), catalogue.end(), [&name](const Application *application) {
                    return application->shortName().compare(name, Qt::CaseInsensitive) == 0;
                });
        if (!known && !unknownNames->contains(name))
            unknownNames->append(name);
    }
    for (Application *application : catalogue) {
        bool wanted = application->isSelectedByDefault();
        if (switches.all)
            wanted = true;
        else if (!switches.selection.isEmpty())
            wanted = switches.selection.contains(application->shortName(), Qt::CaseInsensitive);
        if (wanted)
            chosen << application;
    }
    return chosen;
}

void DeploySelection::applySource(Application *application, DeploySwitches::Source source)
{
    if (!application->isCombined())
        return;
    switch (source) {
    case DeploySwitches::Source::Disc:
        application->setUseWebVersion(false);
        break;
    case DeploySwitches::Source::Web:
        application->setUseWebVersion(true);
        break;
    case DeploySwitches::Source::Automatic:
        application->setUseWebVersion(!payloadIsHere(application->discEntry()));
        break;
    }
}

bool DeploySelection::isApplicable(const Application *application)
{
    return !application->installers().isEmpty() && !application->isOnDisc2();
}
