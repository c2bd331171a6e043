#include "passivewindow.h"

#include "unattendedsetup.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

PassiveWindow::PassiveWindow(QWidget *parent)
    : QWidget(parent)
    , m_status(new QLabel(this))
    , m_progress(new QProgressBar(this))
{
    setWindowTitle(tr("Setup"));
    // Texts come from catalogues and servers: never rich text.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setText(tr("Preparing the installation..."));
    m_status->setMinimumWidth(360);
    m_progress->setRange(0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
}

void PassiveWindow::follow(UnattendedSetup *setup)
{
    connect(setup, &UnattendedSetup::statusChanged, this, &PassiveWindow::showStatus);
    connect(setup, &UnattendedSetup::progressChanged, this, &PassiveWindow::showProgress);
    connect(setup, &UnattendedSetup::cancellableChanged, this, &PassiveWindow::setCancellable);
    connect(this, &PassiveWindow::cancelRequested, setup, &UnattendedSetup::cancel);
}

QString PassiveWindow::statusText() const
{
    return m_status->text();
}

int PassiveWindow::progress() const
{
    return m_progress->maximum() == 0 ? -1 : m_progress->value();
}

void PassiveWindow::showStatus(const QString &text)
{
    m_status->setText(text);
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
