#include "passivewindow.h"

#include "unattendedsetup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

PassiveWindow::PassiveWindow(QWidget *parent)
    : QWidget(parent)
    , m_activity(new QLabel(this))
    , m_application(new QLabel(this))
    , m_progress(new QProgressBar(this))
{
    // Application names come from catalogues and servers: never rich text.
    for (QLabel *label : {m_activity, m_application}) {
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(360);
    }
    showStatus(QCoreApplication::translate("FrontEnd", "Please wait..."), QString());
    m_progress->setRange(0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_activity);
    layout->addWidget(m_application);
    layout->addWidget(m_progress);
}

void PassiveWindow::follow(UnattendedSetup *setup)
{
    connect(setup, &UnattendedSetup::statusChanged, this, &PassiveWindow::showStatus);
    connect(setup, &UnattendedSetup::productNamed, this, &PassiveWindow::showProduct);
    connect(setup, &UnattendedSetup::progressChanged, this, &PassiveWindow::showProgress);
    connect(setup, &UnattendedSetup::cancellableChanged, this, &PassiveWindow::setCancellable);
    connect(this, &PassiveWindow::cancelRequested, setup, &UnattendedSetup::cancel);
}

QString PassiveWindow::activityText() const
{
    return m_activity->text();
}

QString PassiveWindow::applicationText() const
{
    return m_application->text();
}

int PassiveWindow::progress() const
{
    return m_progress->maximum() == 0 ? -1 : m_progress->value();
}

void PassiveWindow::showStatus(const QString &activity, const QString &application)
{
    m_activity->setText(activity);
    m_application->setText(application);
}

void PassiveWindow::showProduct(const QString &longName)
{
    setWindowTitle(QCoreApplication::translate("CheckUpdateDlg", "%1 Setup").arg(longName));
}

void PassiveWindow::showProgress(int percent)
{
    if (percent < 0) {
        m_progress->setRange(0, 0);
        return;
    }
    m_progress->setRange(0, 100);
    m_progress->setValue(qBound(0, percent, 100));
}

void PassiveWindow::setCancellable(bool cancellable)
{
    m_cancellable = cancellable;
}

void PassiveWindow::closeEvent(QCloseEvent *event)
{
    // What setup_runner has begun runs to its end; the window says so until then.
    if (!m_cancellable) {
        event->ignore();
        return;
    }
    event->accept();
    emit cancelRequested();
}
