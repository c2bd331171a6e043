// The Install Software page's rows: built once from the skin's row templates, then refreshed
// from the installed state whenever a tick or a source choice changes.

#include "frontend.h"
#include "ui_frontend.h"

#include "application.h"
#include "installedsoftware.h"
#include "installer.h"
#include "installpagetexts.h"
#include "scannerinfo.h"
#include "skinrequirements.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QMovie>

namespace {

constexpr int RowHeight = 30;

template<typename T>
T *cloneAs(T *templateWidget, const QString &name, int row, const QString &format)
{
    auto *copy = qobject_cast<T *>(FrontEnd::cloneWidget(
            templateWidget, name + QString::number(row), QString(), format, nullptr, 0, 0));
    if (copy)
        copy->move(templateWidget->x(), RowHeight * (row - 1));
    return copy;
}

// "$VARIABLE$" becomes "%1" so that the value can go in.
QString templateOf(const QString &text)
{
    return QString(text).replace(QLatin1String("$VARIABLE$"), QLatin1String("%1"));
}

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

// An entry with nothing to install counts as installed by the check, yet nothing of it was
// ever installed: its row stays as built, disabled and without a status.
bool offersNothing(const InstallRow &row)
{
    return row.application->installers().isEmpty();
}

} // namespace

void FrontEnd::buildInstallRows()
{
    auto *appTemplate = qobject_cast<QCheckBox *>(requireObject(QStringLiteral("IS_App1")));
    auto *statusTemplate = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Status1")));
    auto *dvdTemplate = qobject_cast<QRadioButton *>(requireObject(QStringLiteral("IS_DVD1")));
    auto *webTemplate = qobject_cast<QRadioButton *>(requireObject(QStringLiteral("IS_WEB1")));
    auto *descTemplate = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Desc1")));
    if (!appTemplate || !statusTemplate || !dvdTemplate || !webTemplate || !descTemplate)
        return;
    QWidget *container = appTemplate->parentWidget();
    if (!container || !requireObject(QStringLiteral("IS")))
        return;

    const QString appFormat = templateOf(appTemplate->text());
    const QString statusFormat = templateOf(statusTemplate->text());
    const QString descFormat = templateOf(descTemplate->text());
    const QList<Application *> applications = m_scannerInfo->applications();

    // Every copy is taken from the untouched templates before row 1 is filled in.
    for (int n = 1; n <= applications.size(); ++n) {
        InstallRow row;
        row.application = applications.at(n - 1);
        if (n == 1) {
            row.checkBox = appTemplate;
            row.status = statusTemplate;
            row.dvd = dvdTemplate;
            row.web = webTemplate;
            row.description = descTemplate;
        } else {
            row.checkBox = cloneAs(appTemplate, QStringLiteral("IS_App"), n, appFormat);
            row.status = cloneAs(statusTemplate, QStringLiteral("IS_Status"), n, statusFormat);
            row.dvd = cloneAs(dvdTemplate, QStringLiteral("IS_DVD"), n, dvdTemplate->text());
            row.web = cloneAs(webTemplate, QStringLiteral("IS_WEB"), n, webTemplate->text());
            row.description = cloneAs(descTemplate, QStringLiteral("IS_Desc"), n, descFormat);
        }
        m_rows.append(row);
    }

    for (InstallRow &row : m_rows) {
        Application *application = row.application;
        // Each row's pair excludes only itself.
        auto *group = new QButtonGroup(container);
        group->setExclusive(true);
        group->addButton(row.dvd);
        group->addButton(row.web);

        QString format = appFormat;
        setVariableText(row.checkBox, false, format, application->displayName());
        format = descFormat;
        setVariableText(row.description, false, format, application->description());
        format = statusFormat;
        setVariableText(row.status, false, format, QString());
        setFixedPointSize(row.checkBox, application->displayNamePointSize());
        setFixedPointSize(row.description, application->descriptionPointSize());

        if (application->installers().isEmpty()) {
            row.checkBox->setEnabled(false);
            row.status->hide();
            row.dvd->hide();
            row.web->hide();
        } else if (!application->isCombined()) {
            if (application->isFromWeb())
                row.dvd->hide();
            else
                row.web->hide();
        }
        auto *twin = qobject_cast<QCheckBox *>(
                replaceWithHoverWidget(row.checkBox, row.description, true));
        if (twin)
            row.checkBox = twin;
        row.description->hide();

        connect(application, &Application::showPleaseWait, this, &FrontEnd::show_please_wait);
        connect(application, &Application::hidePleaseWait, this, &FrontEnd::hide_please_wait);
        QPointer<QLabel> status = row.status;
        connect(application,
                &Application::downloadStatusTextChanged,
                this,
                [status](const QString &text) {
                    if (status) {
                        status->setText(text);
                        status->show();
                    }
                });
    }

    if (QWidget *rowArea = requireObject(QStringLiteral("IS_Widget")))
        rowArea->setFixedHeight(RowHeight * m_rows.size());
    if (m_sourceMode == SourceMode::DiscOnly) {
        for (const char *name : {"IS_Label_TS", "IS_Label_TS_MB"}) {
            if (QWidget *label = requireObject(QLatin1String(name)))
                label->hide();
        }
    }

    if (auto *busy = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_ANI")))) {
        const bool tamSkin = m_scannerInfo->skin().contains(QLatin1String("TamSkin"));
        auto *movie = new QMovie(
                tamSkin ? QStringLiteral(":/FrontEndAnimations/Resources/busy_tam.gif")
                        : QStringLiteral(":/FrontEndAnimations/Resources/busy_corvex.gif"),
                QByteArray(),
                busy);
        if (movie->isValid()) {
            busy->setMovie(movie);
            movie->start();
        }
        busy->hide();
    }
}

void FrontEnd::navigate_IS()
{
    m_runList.clear();
    m_runIndex = -1;
    m_pauseRequested = false;
    for (const char *name : {"IS_SPEED", "IS_TIME"}) {
        if (QWidget *label = requireObject(QLatin1String(name)))
            label->hide();
    }
    refreshRowsByMode();
    showPage(QStringLiteral("IS"));
    updateInstallClearCacheButton();
}

void FrontEnd::refreshRowsByMode()
{
    switch (m_sourceMode) {
    case SourceMode::DiscOnly:
        navigate_IS_Setup();
        break;
    case SourceMode::UpdateOnly:
        navigate_IS_Update();
        break;
    case SourceMode::Merged:
        navigate_IS_SetupUpdate();
        break;
    case SourceMode::None:
        break;
    }
}

void FrontEnd::wireRows()
{
    void (FrontEnd::*refresh)()
            = m_sourceMode == SourceMode::DiscOnly     ? &FrontEnd::navigate_IS_Setup
              : m_sourceMode == SourceMode::UpdateOnly ? &FrontEnd::navigate_IS_Update
                                                       : &FrontEnd::navigate_IS_SetupUpdate;
    for (const InstallRow &row : qAsConst(m_rows)) {
        // Queued, so that a tick set while the page refreshes rebuilds it only afterwards.
        connect(row.checkBox,
                &QCheckBox::stateChanged,
                row.application,
                &Application::stateCheckBoxChanged,
                Qt::QueuedConnection);
        connect(row.application, &Application::changedDownloadState, this, refresh);
    }
    m_rowsWired = true;
}

void FrontEnd::refreshInstalledRow(const InstallRow &row)
{
    row.status->setText(tr("Installed!"));
    row.status->setEnabled(true);
    row.status->show();
    row.dvd->hide();
    row.web->hide();
    row.checkBox->setChecked(false);
    row.checkBox->setEnabled(false);
    row.checkBox->setToolTip(tr("Installed"));
}

void FrontEnd::refreshDiscRow(const InstallRow &row, bool firstRefresh)
{
    Application *application = row.application;
    row.dvd->show();
    row.dvd->setChecked(true);
    row.status->hide();
    if (firstRefresh)
        row.checkBox->setChecked(application->isSelectedByDefault());
    row.checkBox->setToolTip(componentsOf(application));
    if (!row.checkBox->isChecked() && isPartlyInstalled(application)) {
        row.status->setText(tr("Installed!"));
        row.status->show();
    }
    if (application->pendingWebInstallers().isEmpty())
        row.dvd->hide();
}

void FrontEnd::refreshWebRow(const InstallRow &row, bool firstRefresh)
{
    Application *application = row.application;
    row.web->show();
    row.web->setChecked(true);
    row.status->hide();
    row.checkBox->setToolTip(componentsOf(application));
    if (firstRefresh)
        row.checkBox->setChecked(application->isSelectedByDefault());
    if (!row.checkBox->isChecked() && isPartlyInstalled(application)) {
        row.status->setText(tr("Installed!"));
        row.status->show();
    }
    countDownload(row);
    if (application->pendingWebInstallers().isEmpty())
        row.web->hide();
}

void FrontEnd::countDownload(const InstallRow &row)
{
    const Application::RemainingDownload remaining = row.application->remainingDownload();
    if (!row.checkBox->isChecked() || !remaining.needed)
        return;
    // A catalogue without a size still downloads; there is only no size to show.
    if (remaining.bytes > 0) {
        row.status->setText(InstallPageTexts::megabytes(static_cast<quint64>(remaining.bytes)));
        row.status->show();
    }
    m_downloadTotal += static_cast<quint64>(remaining.bytes);
    m_downloadPending = true;
}

void FrontEnd::refreshWebOnlyRow(const InstallRow &row)
{
    row.checkBox->setChecked(false);
    row.checkBox->setEnabled(false);
    row.checkBox->setToolTip(
            tr("This application is downloaded from the web and cannot be installed from the "
               "disc."));
    row.status->setText(tr("Web only"));
    row.status->setEnabled(true);
    row.status->show();
    row.dvd->hide();
}

void FrontEnd::refreshPairRow(const InstallRow &row, bool firstRefresh)
{
    Application *application = row.application;
    Application *disc = application->discEntry();
    Application *web = application->webEntry();
    row.status->hide();
    if (firstRefresh)
        row.checkBox->setChecked(application->isSelectedByDefault());
    if (!row.checkBox->isChecked() && isPartlyInstalled(application->chosenVariant())) {
        row.status->setText(tr("Installed!"));
        row.status->show();
    }
    if (application->isDiscVersionInstalled()) {
        row.dvd->hide();
        row.web->show();
        row.web->setChecked(true);
        application->setUseWebVersion(true);
    } else if (application->isWebVersionInstalled()) {
        row.web->hide();
        row.dvd->show();
        row.dvd->setChecked(true);
        application->setUseWebVersion(false);
    } else {
        row.dvd->show();
        if (web->needsWeb()) {
            row.web->show();
            row.web->setToolTip(componentsOf(web));
            row.dvd->setToolTip(componentsOf(disc));
        } else {
            row.web->hide();
            row.dvd->setChecked(true);
            application->setUseWebVersion(false);
        }
    }
    row.checkBox->setToolTip(componentsOf(application->chosenVariant()));
    if (application->useWebVersion())
        countDownload(row);
}

bool FrontEnd::beginRefresh(bool countsDownloads)
{
    const bool firstRefresh = !m_rowsWired;
    if (firstRefresh)
        wireRows();
    if (countsDownloads) {
        m_downloadTotal = 0;
        m_downloadPending = false;
    }
    return firstRefresh;
}

void FrontEnd::navigate_IS_Setup()
{
    engine::InstalledSoftware::Snapshot snapshot;
    const bool firstRefresh = beginRefresh(false);
    QWidget *clearCache = requireObject(QStringLiteral("IS_ClearCache"));
    if (clearCache) {
        clearCache->hide();
        QWidget *mainMenu = skinObject(QStringLiteral("IS_MainMenu"));
        if (mainMenu && m_scannerInfo->skin().contains(QLatin1String("TamSkin")))
            mainMenu->move(clearCache->pos());
    }
    for (const InstallRow &row : qAsConst(m_rows)) {
        if (offersNothing(row))
            continue;
        row.application->refreshInstalledState();
        if (row.application->isInstalled()) {
            refreshInstalledRow(row);
        } else if (row.application->remainingDownload().needed) {
            // Without the update description nothing is downloaded: a payload that is neither
            // on the disc nor fetched earlier cannot be installed.
            refreshWebOnlyRow(row);
        } else {
            refreshDiscRow(row, firstRefresh);
        }
        row.web->hide();
    }
    finishRefresh(false);
}

void FrontEnd::navigate_IS_Update()
{
    engine::InstalledSoftware::Snapshot snapshot;
    const bool firstRefresh = beginRefresh(true);
    for (const InstallRow &row : qAsConst(m_rows)) {
        row.dvd->hide();
        if (offersNothing(row))
            continue;
        row.application->refreshInstalledState();
        if (row.application->isInstalled())
            refreshInstalledRow(row);
        else
            refreshWebRow(row, firstRefresh);
    }
    finishRefresh(true);
}

void FrontEnd::navigate_IS_SetupUpdate()
{
    engine::InstalledSoftware::Snapshot snapshot;
    const bool firstRefresh = beginRefresh(true);
    for (const InstallRow &row : qAsConst(m_rows)) {
        Application *application = row.application;
        if (offersNothing(row))
            continue;
        if (!application->isCombined()) {
            application->refreshInstalledState();
            if (application->isInstalled()) {
                refreshInstalledRow(row);
            } else if (application->isFromWeb()) {
                refreshWebRow(row, firstRefresh);
            } else {
                refreshDiscRow(row, firstRefresh);
                // A disc entry may name a download too; with the update server at hand it is
                // fetched first like any other.
                countDownload(row);
            }
            row.dvd->hide();
            row.web->hide();
            continue;
        }
        if (firstRefresh) {
            connect(row.web, &QRadioButton::clicked, application, &Application::clickedWEB);
            connect(row.dvd, &QRadioButton::clicked, application, &Application::clickedDVD);
            row.web->setChecked(true);
            application->setUseWebVersion(true);
        }
        application->refreshInstalledState();
        if (application->isInstalled())
            refreshInstalledRow(row);
        else
            refreshPairRow(row, firstRefresh);
    }
    finishRefresh(true);
}

void FrontEnd::finishRefresh(bool countsDownloads)
{
    QWidget *action = requireObject(QStringLiteral("IS_InstallNow"));
    if (countsDownloads) {
        QWidget *totalLabel = requireObject(QStringLiteral("IS_Label_TS"));
        auto *totalValue = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Label_TS_MB")));
        if (totalValue)
            totalValue->setText(InstallPageTexts::megabytes(m_downloadTotal));
        // A download whose size the catalogue does not give is still a download.
        if (m_downloadPending) {
            setActionText(tr("Download"));
            if (action)
                action->setEnabled(true);
        } else {
            setActionText(tr("Install"));
        }
        for (QWidget *label : {totalLabel, static_cast<QWidget *>(totalValue)}) {
            if (label)
                label->setVisible(m_downloadTotal > 0);
        }
    }

    bool anyTicked = false;
    bool anySource = false;
    for (const InstallRow &row : qAsConst(m_rows)) {
        anyTicked = anyTicked || row.checkBox->isChecked();
        anySource = anySource || !row.dvd->isHidden() || !row.web->isHidden();
    }
    if (!m_downloadPending && action) {
        setActionText(tr("Install"));
        action->setEnabled(anyTicked);
    }
    if (QWidget *updates = requireObject(QStringLiteral("IS_UPDATES_AVAILABLE")))
        updates->setVisible(anySource);
}

void FrontEnd::updateInstallClearCacheButton()
{
    if (QWidget *button = requireObject(QStringLiteral("IS_ClearCache")))
        button->setEnabled(QFileInfo(downloadFolder()).isDir());
}

void FrontEnd::setActionText(const QString &text)
{
    if (auto *action = qobject_cast<QAbstractButton *>(skinObject(QStringLiteral("IS_InstallNow"))))
        action->setText(text);
}

bool FrontEnd::actionTextIs(const QString &text) const
{
    auto *action = qobject_cast<QAbstractButton *>(skinObject(QStringLiteral("IS_InstallNow")));
    return action && action->text() == text;
}

InstallRow *FrontEnd::rowOf(Application *application)
{
    for (InstallRow &row : m_rows) {
        if (row.application == application)
            return &row;
    }
    return nullptr;
}

void FrontEnd::hide_please_wait()
{
    ui->WaitScreen->hide();
}
