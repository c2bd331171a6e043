// Pages, the main menu's own entries, and the frameless window's handling.

#include "frontend.h"
#include "recoveryentry.h"
#include "ui_frontend.h"

#include "dvdpath.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "setupsettings.h"
#include "skinkeyboard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#ifndef TAM_PDF_READER_URL
#define TAM_PDF_READER_URL "https://get.adobe.com/reader/"
#endif

namespace {

constexpr int ThankYouMs = 5000;

} // namespace

bool FrontEnd::showPage(const QString &prefix)
{
    if (!m_pagePrefixes.contains(prefix, Qt::CaseInsensitive))
        return false;
    QWidget *shown = nullptr;
    for (const QString &page : qAsConst(m_pagePrefixes)) {
        if (QWidget *widget = skinObject(page)) {
            widget->setVisible(page == prefix);
            if (page == prefix)
                shown = widget;
        }
    }
    // A page opens with focus on its first control, not on whatever the last page left.
    if (shown)
        SkinKeyboard::focusFirstControl(shown);
    return true;
}

void FrontEnd::navigate_MM()
{
    showPage(QStringLiteral("MM"));
    updateClearCacheButton();
}

void FrontEnd::navigate_UG()
{
    showPage(QStringLiteral("UG"));
}

void FrontEnd::navigate_SD()
{
    showPage(QStringLiteral("SD"));
}

void FrontEnd::navigate_SWD()
{
    showPage(QStringLiteral("SWD"));
}

void FrontEnd::navigate_D2()
{
    showPage(QStringLiteral("D2"));
}

void FrontEnd::navigate_TY()
{
    showPage(QStringLiteral("TY"));
    if (m_exitTimer) {
        m_exitTimer->stop();
        delete m_exitTimer;
    }
    m_exitTimer = new QTimer(this);
    connect(m_exitTimer, &QTimer::timeout, this, &FrontEnd::TY_Exit_clicked);
    m_exitTimer->start(ThankYouMs);
}

void FrontEnd::TY_Exit_clicked()
{
    leave();
}

void FrontEnd::leave()
{
    // The entry goes before the window is asked to close. Answering No to "Confirm Exit" keeps
    // the installation running, which then needs its entry back.
    const QString recovery = RecoveryEntry::take();
    if (!close())
        RecoveryEntry::restore(recovery);
}

void FrontEnd::closeEvent(QCloseEvent *event)
{
    // A download in progress ends with the window as an installation does: both ask first.
    const bool downloading = m_downloads && m_downloads->isActive();
    if (!m_installing && !downloading) {
        event->accept();
        return;
    }
    m_closeConfirmOpen = true;
    const int answer = MessageSeam::show(
            this,
            MessageSeam::Warning,
            tr("Confirm Exit"),
            tr("The applications you selected are still being installed. If you exit the "
               "installation disc, the current installer will complete; however, if activation "
               "or registration is required, it may not occur automatically.  In addition, any "
               "other selected applications will not be installed.\n\nDo you want to exit?"),
            MessageSeam::Yes | MessageSeam::No);
    m_closeConfirmOpen = false;
    if (answer == MessageSeam::Yes)
        event->accept();
    else
        event->ignore();
}

void FrontEnd::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        leave();
        event->accept();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // The skin's buttons and the picker's list pass Enter on: it presses the focused
        // button, or the picker's OK.
        if (SkinKeyboard::activate(focusWidget())) {
            event->accept();
            return;
        }
        if (ui->LanguagePicker->isVisible()) {
            if (QPushButton *ok = ui->LanguagePickerButtonBox->button(QDialogButtonBox::Ok)) {
                ok->animateClick();
                event->accept();
                return;
            }
        }
        break;
    default:
        break;
    }
    event->ignore();
}

void FrontEnd::centreOnScreen(QWidget *window)
{
    const QRect available = QApplication::desktop()->availableGeometry(window);
    window->move(available.x() + (available.width() - window->width()) / 2,
                 available.y() + (available.height() - window->height()) / 2);
}

void FrontEnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void FrontEnd::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && m_dragging) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void FrontEnd::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    event->accept();
}

void FrontEnd::launch_scanner_readme()
{
    if (!m_scannerInfo)
        return;
    const QString readme = m_scannerInfo->readme();
    // The product may name a web page instead of a file; that is no path on this disc.
    const QUrl asUrl(readme, QUrl::StrictMode);
    if (asUrl.scheme() == QLatin1String("http") || asUrl.scheme() == QLatin1String("https")) {
        FrontEndHooks::openUrl(asUrl);
        return;
    }
    const QString file = QFileInfo(QDir::current(), HostFiles::hostPath(readme)).absoluteFilePath();
    FrontEndHooks::openUrl(QUrl::fromLocalFile(file));
}

void FrontEnd::launch_website()
{
    if (m_scannerInfo)
        FrontEndHooks::openUrl(QUrl(m_scannerInfo->website(), QUrl::TolerantMode));
}

void FrontEnd::browse_disc_contents()
{
    QString folder;
    if (!readDvdPath(folder, FrontEndHooks::programDirectory()))
        folder = QDir::current().absolutePath();
    FrontEndHooks::startDetached(QStringLiteral("explorer.exe"),
                                 SetupSettings::withBackslashes(folder));
}

void FrontEnd::clear_cache_from_main()
{
    removeDownloadFolder();
    updateClearCacheButton();
}

void FrontEnd::show_viewReadme_description()
{
    if (QWidget *description = requireObject(QStringLiteral("MM_ReadmeDesc")))
        description->show();
}

void FrontEnd::hide_viewReadme_description()
{
    if (QWidget *description = requireObject(QStringLiteral("MM_ReadmeDesc")))
        description->hide();
}

void FrontEnd::show_please_wait(const QString &_qstrImgName)
{
    QWidget *waitScreen = requireObject(QStringLiteral("WaitScreen"));
    if (!waitScreen || _qstrImgName.isEmpty())
        return;
    QPixmap image;
    if (!image.load(_qstrImgName) && !image.load(HostFiles::hostPath(_qstrImgName)))
        return;
    ui->WaitScreenImage->setPixmap(image);
    ui->WaitScreenImage->setGeometry((waitScreen->width() / 2 - image.width()) / 2,
                                     (waitScreen->height() - image.height()) / 2,
                                     image.width(),
                                     image.height());
}

void FrontEnd::launch_reader_installer()
{
    QString address = qEnvironmentVariable("TAM_PDF_READER_URL");
    if (address.isEmpty())
        address = QStringLiteral(TAM_PDF_READER_URL);
    FrontEndHooks::openUrl(QUrl(address, QUrl::TolerantMode));
}

void FrontEnd::applyTrademarkNotice()
{
    auto *notice = findChild<QLabel *>(QStringLiteral("MM_TrademarkNotice"));
    if (!notice || !m_scannerInfo)
        return;
    const QString marks = m_scannerInfo->longName().contains(QLatin1String("PageWing"))
                                  ? tr("Corvex<sup>®</sup>, Corvex and Design<sup>®</sup> and "
                                       "PageWing<sup>®</sup>")
                                  : tr("Corvex<sup>®</sup> and Corvex and Design<sup>®</sup>");
    notice->setText(notice->text().replace(QLatin1String("DO_NOT_TRANSLATE"), marks));
}
