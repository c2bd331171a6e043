#include "connectscannerdlg.h"
#include "ui_connectscannerdlg.h"

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
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    // Pressing on the message drags the window like pressing anywhere else on it.
    ui->m_lblTxt->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A scanner switched on just now may not have been noticed by Windows yet.
    UsbInventory::rescanDevices();

    m_refreshTimer->setSingleShot(true);
    connect(m_refreshTimer, &QTimer::timeout, this, &ConnectScannerDlg::OnRefreshTimer);
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
    const std::vector<DeviceRecord> scanners = UpdateSeams::scan(m_productId);
    if (scanners.empty()) {
        m_refreshTimer->start(UpdateSeams::interval(RefreshIntervalMs));
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
    QDialog::done(result);
}
