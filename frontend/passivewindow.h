#pragma once

// The one window of "setup /passive": what the unattended run is doing and how far it got. It
// asks nothing. Closing it cancels the run while that is still possible (before anything is
// handed to setup_runner); afterwards the window stays until the run ends.

#include <QWidget>

class QLabel;
class QProgressBar;
class UnattendedSetup;

class PassiveWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PassiveWindow(QWidget *parent = nullptr);

    // Shows what setup does and cancels it when closed while it may be.
    void follow(UnattendedSetup *setup);

    QString activityText() const;
    QString applicationText() const;
    int progress() const;
    bool isCancellable() const { return m_cancellable; }

public slots:
    void showStatus(const QString &activity, const QString &application);
    // "<product> Setup" in the title.
    void showProduct(const QString &longName);
    // -1: busy, without a figure.
    void showProgress(int percent);
    void setCancellable(bool cancellable);

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_activity;
    QLabel *m_application;
    QProgressBar *m_progress;
    bool m_cancellable = true;
};
