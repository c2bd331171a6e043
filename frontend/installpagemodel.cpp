#include "installpagemodel.h"

#include "application.h"
#include "installedsoftware.h"
#include "installpagetexts.h"

#include <QCoreApplication>

namespace {

QString componentsOf(const Application *application)
{
    return InstallPageTexts::componentsToolTip(application->pendingLocalInstallers(),
                                               application->pendingWebInstallers());
}

// Some installers are there already while others are still pending.
bool isPartlyInstalled(const Application *application)
{
    const int pending = application->pendingLocalInstallers().size()
                        + application->pendingWebInstallers().size();
    return pending < application->installers().size();
}

} // namespace

InstallPageModel::InstallPageModel(const QList<Application *> &applications,
                                   SourceMode mode,
                                   const QList<bool> &ticks,
                                   QObject *parent)
    : QObject(parent)
    , m_applications(applications)
    , m_mode(mode)
{
    for (int i = 0; i < m_applications.size(); ++i) {
        Application *application = m_applications.at(i);
        RowView view;
        view.ticked = ticks.value(i);
        if (offersNothing(i)) {
            view.tickable = false;
        } else {
            view.disc.shown = application->isCombined() || !application->isFromWeb();
            view.web.shown = application->isCombined() || application->isFromWeb();
        }
        m_rows.append(view);
        // Every change of a tick or a source choice rebuilds the page.
        connect(application, &Application::changedDownloadState, this, &InstallPageModel::refresh);
    }
}

int InstallPageModel::rowOf(const Application *application) const
{
    return m_applications.indexOf(const_cast<Application *>(application));
}

// An entry with nothing to install counts as installed by the check, yet nothing of it was
// ever installed: its row stays as built, disabled and without a status.
bool InstallPageModel::offersNothing(int row) const
{
    return m_applications.at(row)->installers().isEmpty();
}

QList<Application *> InstallPageModel::tickedApplications() const
{
    QList<Application *> ticked;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).ticked)
            ticked << m_applications.at(i);
    }
    return ticked;
}

bool InstallPageModel::downloadsFirst() const
{
    return m_mode != SourceMode::DiscOnly && m_downloadPending;
}

bool InstallPageModel::anyTicked() const
{
    for (const RowView &view : m_rows) {
        if (view.ticked)
            return true;
    }
    return false;
}

bool InstallPageModel::anyWebSourceOffered() const
{
    for (const RowView &view : m_rows) {
        if (view.web.shown)
            return true;
    }
    return false;
}

QList<Application *> InstallPageModel::applicationsToInstall() const
{
    return downloadsFirst() ? QList<Application *>() : tickedApplications();
}

QList<Application *> InstallPageModel::applicationsToDownload() const
{
    QList<Application *> toDownload;
    if (!downloadsFirst())
        return toDownload;
    for (Application *application : tickedApplications()) {
        if (application->remainingDownload().needed)
            toDownload << application;
    }
    return toDownload;
}

QStringList InstallPageModel::selection() const
{
    QStringList items;
    for (Application *application : tickedApplications()) {
        if (!application->isCombined())
            items << application->shortName();
        else
            items << application->shortName()
                             + (application->useWebVersion() ? QStringLiteral("/web")
                                                             : QStringLiteral("/dvd"));
    }
    return items;
}

QStringList InstallPageModel::applySelection(const QStringList &selection)
{
    QStringList ticked;
    for (int i = 0; i < m_rows.size(); ++i) {
        RowView &view = m_rows[i];
        // Rows installed meanwhile, or with nothing to install, stay as they are.
        if (!view.tickable)
            continue;
        Application *application = m_applications.at(i);
        const QString name = application->shortName();
        const bool web = selection.contains(name + QStringLiteral("/web"));
        const bool chosen = web || selection.contains(name)
                            || selection.contains(name + QStringLiteral("/dvd"));
        if (chosen && application->isCombined() && view.disc.shown && view.web.shown)
            application->setUseWebVersion(web);
        view.ticked = chosen;
        if (chosen)
            ticked << application->displayName();
    }
    refresh();
    return ticked;
}

void InstallPageModel::setTicked(int row, bool ticked)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].ticked = ticked;
}

void InstallPageModel::refresh()
{
    if (m_mode == SourceMode::None)
        return;
    // One walk of the registry serves every check of this refresh.
    engine::InstalledSoftware::Snapshot snapshot;
    const bool firstRefresh = !m_refreshed;
    m_refreshed = true;
    if (m_mode != SourceMode::DiscOnly) {
        m_downloadTotal = 0;
        m_downloadPending = false;
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!offersNothing(i))
            refreshRow(i, firstRefresh);
    }
    emit refreshed();
}

void InstallPageModel::refreshRow(int row, bool firstRefresh)
{
    Application *application = m_applications.at(row);
    RowView &view = m_rows[row];
    if (application->isCombined() && firstRefresh) {
        view.choice = Choice::Web;
        application->setUseWebVersion(true);
    }
    application->refreshInstalledState();
    if (application->isInstalled()) {
        showInstalled(view);
        return;
    }
    switch (m_mode) {
    case SourceMode::DiscOnly:
        // Without the update description nothing is downloaded: a payload that is neither on
        // the disc nor fetched earlier cannot be installed.
        if (application->remainingDownload().needed)
            showWebOnly(view);
        else
            showDiscEntry(row, view, firstRefresh);
        view.web.shown = false;
        break;
    case SourceMode::UpdateOnly:
        showWebEntry(row, view, firstRefresh);
        break;
    case SourceMode::Merged:
        if (application->isCombined()) {
            showPair(row, view, firstRefresh);
            break;
        }
        if (application->isFromWeb()) {
            showWebEntry(row, view, firstRefresh);
        } else {
            showDiscEntry(row, view, firstRefresh);
            // A disc entry may name a download too; with the update server at hand it is
            // fetched first like any other.
            countDownload(row, view);
        }
        view.disc.shown = false;
        view.web.shown = false;
        break;
    case SourceMode::None:
        break;
    }
}

void InstallPageModel::showInstalled(RowView &view) const
{
    view.status = Status::Installed;
    view.disc.shown = false;
    view.web.shown = false;
    view.ticked = false;
    view.tickable = false;
    view.tickToolTip = QCoreApplication::translate("FrontEnd", "Installed");
}

void InstallPageModel::showDiscEntry(int row, RowView &view, bool firstRefresh) const
{
    const Application *application = m_applications.at(row);
    view.tickable = true;
    view.disc.shown = !application->pendingWebInstallers().isEmpty();
    view.choice = Choice::Disc;
    view.status = Status::Hidden;
    if (firstRefresh)
        view.ticked = application->isSelectedByDefault();
    view.tickToolTip = componentsOf(application);
    if (!view.ticked && isPartlyInstalled(application))
        view.status = Status::PartlyInstalled;
}

void InstallPageModel::showWebEntry(int row, RowView &view, bool firstRefresh)
{
    const Application *application = m_applications.at(row);
    view.tickable = true;
    view.disc.shown = false;
    view.web.shown = !application->pendingWebInstallers().isEmpty();
    view.choice = Choice::Web;
    view.status = Status::Hidden;
    view.tickToolTip = componentsOf(application);
    if (firstRefresh)
        view.ticked = application->isSelectedByDefault();
    if (!view.ticked && isPartlyInstalled(application))
        view.status = Status::PartlyInstalled;
    countDownload(row, view);
}

void InstallPageModel::showWebOnly(RowView &view) const
{
    view.ticked = false;
    view.tickable = false;
    view.tickToolTip = QCoreApplication::translate("FrontEnd",
                                                   "This application is downloaded from the web "
                                                   "and cannot be installed from the disc.");
    view.status = Status::WebOnly;
    view.disc.shown = false;
}

void InstallPageModel::showPair(int row, RowView &view, bool firstRefresh)
{
    Application *application = m_applications.at(row);
    const Application *disc = application->discEntry();
    const Application *web = application->webEntry();
    view.tickable = true;
    view.status = Status::Hidden;
    if (firstRefresh)
        view.ticked = application->isSelectedByDefault();
    if (!view.ticked && isPartlyInstalled(application->chosenVariant()))
        view.status = Status::PartlyInstalled;
    if (application->isDiscVersionInstalled()) {
        view.disc.shown = false;
        view.web.shown = true;
        application->setUseWebVersion(true);
    } else if (application->isWebVersionInstalled()) {
        view.web.shown = false;
        view.disc.shown = true;
        application->setUseWebVersion(false);
    } else {
        view.disc.shown = true;
        view.web.shown = web->needsWeb();
        if (view.web.shown) {
            view.web.toolTip = componentsOf(web);
            view.disc.toolTip = componentsOf(disc);
        } else {
            application->setUseWebVersion(false);
        }
    }
    view.choice = application->useWebVersion() ? Choice::Web : Choice::Disc;
    view.tickToolTip = componentsOf(application->chosenVariant());
    if (application->useWebVersion())
        countDownload(row, view);
}

void InstallPageModel::countDownload(int row, RowView &view)
{
    const Application::RemainingDownload remaining = m_applications.at(row)->remainingDownload();
    if (!view.ticked || !remaining.needed)
        return;
    // A catalogue without a size still downloads; there is only no size to show.
    if (remaining.bytes > 0) {
        view.status = Status::DownloadSize;
        view.downloadBytes = remaining.bytes;
    }
    m_downloadTotal += static_cast<quint64>(remaining.bytes);
    m_downloadPending = true;
}

void InstallPageModel::refreshAfterInstallation(Application *application)
{
    const int row = rowOf(application);
    if (row < 0)
        return;
    RowView &view = m_rows[row];
    application->refreshInstalledState();
    if (application->isInstalled()) {
        showInstalled(view);
    } else if (application->isCombined() && !application->useWebVersion()
               && (application->isDiscVersionInstalled() || application->isWebVersionInstalled())) {
        // The variant just installed is no choice any more.
        view.disc.shown = false;
        view.web.shown = false;
    } else {
        return;
    }
    emit rowChanged(row);
}
