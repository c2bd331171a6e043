#pragma once

// Asks the user to connect and switch on the scanner. With a product id it searches every five
// seconds (a search that takes longer is followed by the next at once) and closes by itself
// once a scanner of that model is there; without one it is only a message with a button. The
// searches run off the window's thread (ScannerSearch). After exec() the caller reads found()
// and, when set, device().

#include "devicerecord.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <vector>

class QMovie;
class QTimer;
class ScannerSearch;

namespace Ui {
class connect_scanner_dlg;
}

class ConnectScannerDlg : public QDialog
{
    Q_OBJECT

public:
    // The scanner list for a product id; tests put in their own search.
    using Scan = std::function<std::vector<DeviceRecord>(uint32_t productId)>;
    static void setScan(Scan scan);

    ConnectScannerDlg(QWidget *parent, Qt::WindowFlags flags, uint32_t productId);
    ~ConnectScannerDlg() override;

    bool found() const { return m_found; }
    void done(int result) override;
    // The first scanner found; meaningful only when found() is true.
    const DeviceRecord &device() const { return m_device; }

    static constexpr int RefreshIntervalMs = 5000;

private slots:
    void OnRefreshTimer();
    void on_m_btnOK_clicked();
    void searchFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Ui::connect_scanner_dlg *ui;
    uint32_t m_productId;
    bool m_found = false;
    DeviceRecord m_device;
    QTimer *m_refreshTimer;
    ScannerSearch *m_search;
    // The refresh timer fired while a search still ran: the next one starts as that one ends.
    bool m_searchDue = false;
    QMovie *m_movie = nullptr;
    QPoint m_dragOffset;
};
