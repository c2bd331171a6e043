// The User Guides page and its two document pages, built from the user guides of the
// catalogue: one row per guide, or, when a kind has a single guide, its entry on the User
// Guides page opens that guide at once.

#include "frontend.h"

#include "application.h"
#include "scannerinfo.h"
#include "skinrequirements.h"
#include "userguide.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>

namespace {

// A combined disc-and-web entry has no guides of its own; they are those of the variant it
// stands for at the moment (combined entries may nest).
Application *guideSource(Application *application)
{
    while (application->isCombined())
        application
                = application->useWebVersion() ? application->webEntry() : application->discEntry();
    return application;
}

void connectRow(QWidget *row, UserGuide *guide)
{
    if (auto *label = qobject_cast<QLabel *>(row))
        QObject::connect(label, &QLabel::linkActivated, guide, &UserGuide::view_document);
    else if (auto *button = qobject_cast<QAbstractButton *>(row))
        QObject::connect(button, &QAbstractButton::clicked, guide, &UserGuide::view_document);
}

} // namespace

void FrontEnd::buildGuidePages()
{
    QList<UserGuide *> scannerGuides;
    QList<UserGuide *> softwareGuides;
    for (Application *application : m_scannerInfo->applications()) {
        for (UserGuide *guide : guideSource(application)->userGuides()) {
            if (guide->type() == UserGuide::Scanner)
                scannerGuides << guide;
            else if (guide->type() == UserGuide::Software)
                softwareGuides << guide;
        }
    }

    QWidget *scannerDocs = requireObject(QStringLiteral("UG_ScannerDocs"));
    if (!scannerDocs)
        return;
    scannerDocs->setVisible(!scannerGuides.isEmpty());
    QWidget *softwareDocs = requireObject(QStringLiteral("UG_SoftwareDocs"));
    if (!softwareDocs)
        return;
    if (scannerGuides.isEmpty()) {
        // The software entry takes the free first place.
        softwareDocs->move(scannerDocs->pos());
        if (QWidget *placeholder = skinObject(QStringLiteral("UG_SoftwareDocs_disabled")))
            placeholder->move(scannerDocs->pos());
    }
    softwareDocs->setVisible(!softwareGuides.isEmpty());

    if (scannerGuides.isEmpty() && softwareGuides.isEmpty()) {
        QWidget *userGuides = requireObject(QStringLiteral("MM_UserGuides"));
        if (!userGuides)
            return;
        QWidget *website = requireObject(QStringLiteral("MM_ViewWebsite"));
        if (!website)
            return;
        QWidget *browse = requireObject(QStringLiteral("MM_BrowseDiscContents"));
        if (!browse)
            return;
        userGuides->hide();
        website->move(browse->pos());
        browse->move(userGuides->pos());
        return;
    }

    auto *scannerLayout = findChild<QLayout *>(QStringLiteral("SD_Layout"));
    if (!scannerLayout) {
        showError(m_designErrorTitle, SkinRequirements::missingObject(QStringLiteral("SD_Layout")));
        return;
    }
    QWidget *readme = requireObject(QStringLiteral("SD_Readme"));
    if (!readme)
        return;
    QString scannerTemplate;
    setVariableText(readme,
                    true,
                    scannerTemplate,
                    m_scannerInfo->readmeDisplayName(),
                    this,
                    SLOT(launch_scanner_readme()));
    setFixedPointSize(readme, m_scannerInfo->readmePointSize());
    if (scannerGuides.size() == 1) {
        disconnectSkinElement(QStringLiteral("UG_ScannerDocs"), this, SLOT(navigate_SD()), true);
        connectSkinElement(QStringLiteral("UG_ScannerDocs"),
                           scannerGuides.first(),
                           SLOT(view_document()),
                           true);
    } else {
        for (int i = 0; i < scannerGuides.size(); ++i) {
            UserGuide *guide = scannerGuides.at(i);
            QWidget *row = cloneWidget(readme,
                                       QStringLiteral("SD_UserGuide") + QString::number(i + 1),
                                       guide->displayName(),
                                       scannerTemplate,
                                       scannerLayout,
                                       0,
                                       0);
            connectRow(row, guide);
            setFixedPointSize(row, guide->pointSize());
        }
    }
    if (m_scannerInfo->readme().isEmpty())
        readme->hide();

    auto *softwareLayout = findChild<QLayout *>(QStringLiteral("SWD_Layout"));
    if (!softwareLayout) {
        showError(m_designErrorTitle,
                  SkinRequirements::missingObject(QStringLiteral("SWD_Layout")));
        return;
    }
    QWidget *firstRow = requireObject(QStringLiteral("SWD_UserGuide1"));
    if (!firstRow)
        return;
    if (softwareGuides.size() == 1) {
        disconnectSkinElement(QStringLiteral("UG_SoftwareDocs"), this, SLOT(navigate_SWD()), true);
        connectSkinElement(QStringLiteral("UG_SoftwareDocs"),
                           softwareGuides.first(),
                           SLOT(view_document()),
                           true);
    } else {
        QString softwareTemplate;
        for (int i = 0; i < softwareGuides.size(); ++i) {
            UserGuide *guide = softwareGuides.at(i);
            QWidget *row = firstRow;
            if (i == 0) {
                setVariableText(firstRow,
                                true,
                                softwareTemplate,
                                guide->displayName(),
                                guide,
                                SLOT(view_document()));
            } else {
                row = cloneWidget(firstRow,
                                  QStringLiteral("SWD_UserGuide") + QString::number(i + 1),
                                  guide->displayName(),
                                  softwareTemplate,
                                  softwareLayout,
                                  0,
                                  0);
                connectRow(row, guide);
            }
            setFixedPointSize(row, guide->pointSize());
        }
    }

    QWidget *installingFlag = requireObject(QStringLiteral("UG_InstallingFlag"));
    if (!installingFlag)
        return;
    if (auto *label = qobject_cast<QLabel *>(installingFlag))
        label->setText(tr("Installing..."));
    else if (auto *button = qobject_cast<QAbstractButton *>(installingFlag))
        button->setText(tr("Installing..."));
    else
        showError(m_designErrorTitle,
                  QStringLiteral("UG_InstallingFlag is not a label or abstract button!"));
}
