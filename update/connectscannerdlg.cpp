#include "connectscannerdlg.h"
#include "ui_connectscannerdlg.h"

#include "scannersearch.h"
#include "updateseams.h"
#include "usbinventory.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QMovie>
#include <QTimer>

void ConnectScannerDlg::setScan(Scan scan)
{
    UpdateSeams::setScan(std::move(scan));
}

ConnectScannerDlg::ConnectScannerDlg(QWidget *parent, Qt::WindowFlags flags, uint32_t productId)
    : QDialog(parent, flags)
    , ui(new Ui::connect_scanner_dlg)
    , m_productId(productId)
    , m_refreshTimer(new QTimer(this))
    , m_search(new ScannerSearch(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    // Pressing on the message drags the window like pressing anywhere else on it.
    ui->m_lblTxt->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A scanner switched on just now may not have been noticed by Windows yet.
    UsbInventory::rescanDevices();

    m_refreshTimer->setSingleShot(true);
    connect(m_refreshTimer, &QTimer::timeout, this, &ConnectScannerDlg::OnRefreshTimer);
    connect(m_search, &ScannerSearch::finished, this, &ConnectScannerDlg::searchFinished);
    if (m_productId != 0) {
        ui->m_btnOK->setText(QCoreApplication::translate("connect_scanner_dlg", "Cancel"));
        m_movie = new QMovie(
                QStringLiteral(":/FrontEndAnimations/Resources/loader1.gif"), {}, this);
        ui->m_lblANI->setMovie(m_movie);
        m_movie->start();
        m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
    } else {
        ui->m_lblStatus->hide();
        ui->m_lblANI->hide();
    }
}

ConnectScannerDlg::~ConnectScannerDlg()
{
    delete ui;
}

void ConnectScannerDlg::OnRefreshTimer()
{
    if (m_search->isRunning()) {
        m_searchDue = true;
        return;
    }
    // The next search is due five seconds after this one began, not after it ended: a network
    // search that finds nobody takes seconds itself, and a scanner plugged in meanwhile is to
    // be seen within five seconds all the same.
    m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
    m_search->start(m_productId, ScannerList::Wanted::First);
}

void ConnectScannerDlg::searchFinished()
{
    const std::vector<DeviceRecord> &scanners = m_search->scanners();
    if (scanners.empty()) {
        if (m_searchDue) {
            m_searchDue = false;
            OnRefreshTimer();
        }
        return;
    }
    m_device = scanners.front();
    m_found = true;
    close();
}

void ConnectScannerDlg::on_m_btnOK_clicked()
{
    close();
}

void ConnectScannerDlg::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    event->accept();
}

void ConnectScannerDlg::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPos() - m_dragOffset);
    event->accept();
}

void ConnectScannerDlg::done(int result)
{
    // However the dialog ends (button, Escape, found), a search after it could still mark a
    // scanner as found behind the caller's back.
    m_refreshTimer->stop();
    m_search->cancel();
    m_searchDue = false;
    QDialog::done(result);
}
