// The Install Software page's rows: built once from the skin's row templates, then shown as the
// page's model describes them after each refresh.

#include "frontend.h"
#include "ui_frontend.h"

#include "application.h"
#include "focusdescription.h"
#include "installpagemodel.h"
#include "installpagetexts.h"
#include "scannerinfo.h"
#include "skinaccessibility.h"
#include "skinkeyboard.h"
#include "skinrequirements.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QMovie>

namespace {

constexpr int RowHeight = 30;

// A template that starts inside row 1 but below its top (a description that opens under its
// row's name, clear of the row's choices) keeps that offset in every row. Templates placed
// anywhere else are copied to the rows' tops.
int offsetInRow(const QWidget *templateWidget)
{
    const int y = templateWidget->y();
    return y > 0 && y < RowHeight ? y : 0;
}

template<typename T>
T *cloneAs(T *templateWidget, const QString &name, int row, const QString &format)
{
    auto *copy = qobject_cast<T *>(FrontEnd::cloneWidget(
            templateWidget, name + QString::number(row), QString(), format, nullptr, 0, 0));
    if (copy)
        copy->move(templateWidget->x(), offsetInRow(templateWidget) + RowHeight * (row - 1));
    return copy;
}

// "$VARIABLE$" becomes "%1" so that the value can go in.
QString templateOf(const QString &text)
{
    return QString(text).replace(QLatin1String("$VARIABLE$"), QLatin1String("%1"));
}

} // namespace

void FrontEnd::buildInstallRows()
{
    const bool built = buildRowWidgets();
    QList<Application *> applications;
    QList<bool> ticks;
    for (const InstallRow &row : qAsConst(m_rows)) {
        applications << row.application;
        ticks << row.checkBox->isChecked();
    }
    m_installPage = new InstallPageModel(applications, m_sourceMode, ticks, this);
    connect(m_installPage, &InstallPageModel::refreshed, this, &FrontEnd::showInstallPage);
    connect(m_installPage, &InstallPageModel::rowChanged, this, &FrontEnd::showRow);
    wireRows();
    if (built)
        setUpBusyAnimation();
}

bool FrontEnd::buildRowWidgets()
{
    auto *appTemplate = qobject_cast<QCheckBox *>(requireObject(QStringLiteral("IS_App1")));
    auto *statusTemplate = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Status1")));
    auto *dvdTemplate = qobject_cast<QRadioButton *>(requireObject(QStringLiteral("IS_DVD1")));
    auto *webTemplate = qobject_cast<QRadioButton *>(requireObject(QStringLiteral("IS_WEB1")));
    auto *descTemplate = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Desc1")));
    if (!appTemplate || !statusTemplate || !dvdTemplate || !webTemplate || !descTemplate)
        return false;
    QWidget *container = appTemplate->parentWidget();
    if (!container || !requireObject(QStringLiteral("IS")))
        return false;

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
        if (twin) {
            row.checkBox = twin;
            new FocusDescription(twin, row.description);
        }
        row.description->hide();
        SkinAccessibility::tieStatusToRow(row.status, application->displayName());

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
        connect(application,
                &Application::sigDownloadProgress,
                this,
                [status](int, qint64, qint64, qint64 received, qint64 total) {
                    if (status && total > 0)
                        SkinAccessibility::setProgress(status, int(received * 100 / total));
                });
    }

    // What opens under a row must fit under the last row too, or the last row's is cut off.
    int overhang = 0;
    for (QWidget *rowTemplate : std::initializer_list<QWidget *>{
                 appTemplate, statusTemplate, dvdTemplate, webTemplate, descTemplate}) {
        if (offsetInRow(rowTemplate) > 0)
            overhang = qMax(overhang, rowTemplate->geometry().bottom() + 1 - RowHeight);
    }
    if (QWidget *rowArea = requireObject(QStringLiteral("IS_Widget")))
        rowArea->setFixedHeight(RowHeight * m_rows.size() + overhang);
    if (m_sourceMode == SourceMode::DiscOnly) {
        for (const char *name : {"IS_Label_TS", "IS_Label_TS_MB"}) {
            if (QWidget *label = requireObject(QLatin1String(name)))
                label->hide();
        }
    }
    return true;
}

void FrontEnd::setUpBusyAnimation()
{
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
    hideDownloadLabels();
    if (m_installPage)
        m_installPage->refresh();
    showPage(QStringLiteral("IS"));
    updateInstallClearCacheButton();
}

void FrontEnd::wireRows()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        const InstallRow &row = m_rows.at(i);
        connect(row.checkBox, &QCheckBox::toggled, m_installPage, [this, i](bool ticked) {
            m_installPage->setTicked(i, ticked);
        });
        // Queued, so that a tick set while the page refreshes rebuilds it only afterwards.
        connect(row.checkBox,
                &QCheckBox::stateChanged,
                row.application,
                &Application::stateCheckBoxChanged,
                Qt::QueuedConnection);
        if (m_sourceMode == SourceMode::Merged && row.application->isCombined()) {
            connect(row.web, &QRadioButton::clicked, row.application, &Application::clickedWEB);
            connect(row.dvd, &QRadioButton::clicked, row.application, &Application::clickedDVD);
        }
    }
}

void FrontEnd::showInstallPage()
{
    if (m_sourceMode == SourceMode::DiscOnly) {
        if (QWidget *clearCache = requireObject(QStringLiteral("IS_ClearCache"))) {
            clearCache->hide();
            QWidget *mainMenu = skinObject(QStringLiteral("IS_MainMenu"));
            if (mainMenu && m_scannerInfo->skin().contains(QLatin1String("TamSkin")))
                mainMenu->move(clearCache->pos());
        }
    }
    for (int i = 0; i < m_rows.size(); ++i)
        showRow(i);

    QWidget *action = requireObject(QStringLiteral("IS_InstallNow"));
    if (m_sourceMode != SourceMode::DiscOnly) {
        QWidget *totalLabel = requireObject(QStringLiteral("IS_Label_TS"));
        auto *totalValue = qobject_cast<QLabel *>(requireObject(QStringLiteral("IS_Label_TS_MB")));
        if (totalValue)
            totalValue->setText(InstallPageTexts::megabytes(m_installPage->downloadTotal()));
        for (QWidget *label : {totalLabel, static_cast<QWidget *>(totalValue)}) {
            if (label)
                label->setVisible(m_installPage->downloadTotal() > 0);
        }
    }
    // A download whose size the catalogue does not give is still a download.
    if (m_installPage->downloadsFirst()) {
        setActionText(tr("Download"));
        if (action)
            action->setEnabled(true);
    } else {
        setActionText(tr("Install"));
        if (action)
            action->setEnabled(m_installPage->anyTicked());
    }
    if (QWidget *updates = requireObject(QStringLiteral("IS_UPDATES_AVAILABLE")))
        updates->setVisible(m_installPage->anyWebSourceOffered());
}

void FrontEnd::showRow(int index)
{
    const InstallRow &row = m_rows.at(index);
    const InstallPageModel::RowView view = m_installPage->row(index);
    row.checkBox->setChecked(view.ticked);
    row.checkBox->setEnabled(view.tickable && !m_pageLocked);
    if (!view.tickToolTip.isEmpty())
        row.checkBox->setToolTip(view.tickToolTip);
    SkinAccessibility::describeByToolTip(row.checkBox);
    SkinAccessibility::setProgress(row.status, -1);

    switch (view.status) {
    case InstallPageModel::Status::Hidden:
        row.status->hide();
        break;
    case InstallPageModel::Status::Installed:
    case InstallPageModel::Status::PartlyInstalled:
        row.status->setText(tr("Installed!"));
        break;
    case InstallPageModel::Status::WebOnly:
        row.status->setText(tr("Web only"));
        break;
    case InstallPageModel::Status::DownloadSize:
        row.status->setText(InstallPageTexts::megabytes(static_cast<quint64>(view.downloadBytes)));
        break;
    }
    if (view.status != InstallPageModel::Status::Hidden)
        row.status->show();
    // A verdict shows even where the skin greys the status template.
    if (view.status == InstallPageModel::Status::Installed
        || view.status == InstallPageModel::Status::WebOnly)
        row.status->setEnabled(true);

    const QList<QPair<QRadioButton *, InstallPageModel::SourceView>> sources{
            {row.dvd.data(), view.disc}, {row.web.data(), view.web}};
    for (const auto &source : sources) {
        source.first->setVisible(source.second.shown);
        if (!source.second.toolTip.isEmpty())
            source.first->setToolTip(source.second.toolTip);
        SkinAccessibility::describeByToolTip(source.first);
    }
    if (view.choice == InstallPageModel::Choice::Disc)
        row.dvd->setChecked(true);
    else if (view.choice == InstallPageModel::Choice::Web)
        row.web->setChecked(true);
}

void FrontEnd::updateInstallClearCacheButton()
{
    if (QWidget *button = requireObject(QStringLiteral("IS_ClearCache")))
        button->setEnabled(QFileInfo(downloadFolder()).isDir());
}

void FrontEnd::setActionText(const QString &text)
{
    auto *action = qobject_cast<QAbstractButton *>(skinObject(QStringLiteral("IS_InstallNow")));
    if (!action || action->text() == text)
        return;
    action->setText(text);
    // The new text takes a letter of its own: Alt+I for Install, Alt+D for Download.
    if (QWidget *page = skinObject(QStringLiteral("IS")))
        SkinKeyboard::assignShortcuts(page);
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
