#include "helpermessages.h"

#include "messageseam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QThread>

namespace {

QMessageBox::Icon boxIcon(MessageSeam::Icon icon)
{
    switch (icon) {
    case MessageSeam::Information:
        return QMessageBox::Information;
    case MessageSeam::Warning:
        return QMessageBox::Warning;
    case MessageSeam::Critical:
        return QMessageBox::Critical;
    case MessageSeam::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

int showBox(
        MessageSeam::Icon icon, const QString &title, const QString &text, int buttons, int flags)
{
    QMessageBox box(boxIcon(icon), title, text);
    box.setStandardButtons(QMessageBox::StandardButtons(buttons));
    Qt::WindowFlags windowFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
    if (flags & MessageSeam::KeepOnTop)
        windowFlags |= Qt::WindowStaysOnTopHint;
    box.setWindowFlags(windowFlags);
    return box.exec();
}

int unattended(const QByteArray &logFile, const QString &title, const QString &text, int buttons)
{
    QFile log(QString::fromLocal8Bit(logFile));
    if (log.open(QIODevice::Append))
        log.write((title + QLatin1Char('|') + text).toUtf8().replace('\n', "\\n") + '\n');
    if (buttons & MessageSeam::Ok)
        return MessageSeam::Ok;
    const bool yes = qgetenv("TAM_MESSAGE_ANSWER") == "Yes";
    if (yes && (buttons & MessageSeam::Yes))
        return MessageSeam::Yes;
    if (buttons & MessageSeam::No)
        return MessageSeam::No;
    return buttons;
}

int handle(QObject *,
           MessageSeam::Icon icon,
           const QString &title,
           const QString &text,
           int buttons,
           int flags)
{
    const QByteArray logFile = qgetenv("TAM_MESSAGE_LOG");
    if (!logFile.isEmpty())
        return unattended(logFile, title, text, buttons);
    if (QThread::currentThread() == qApp->thread())
        return showBox(icon, title, text, buttons, flags);
    // Installer threads wait for the answer while the GUI thread shows the box.
    int answer = 0;
    QMetaObject::invokeMethod(
            qApp,
            [&] { answer = showBox(icon, title, text, buttons, flags); },
            Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace

void HelperMessages::install()
{
    MessageSeam::setHandler(handle);
}

void HelperMessages::warning(const QString &title, const QString &text)
{
    MessageSeam::show(nullptr, MessageSeam::Warning, title, text, MessageSeam::Ok);
}

void HelperMessages::critical(const QString &title, const QString &text)
{
    MessageSeam::show(nullptr, MessageSeam::Critical, title, text, MessageSeam::Ok);
}

bool HelperMessages::openUrl(const QUrl &url)
{
    const QByteArray logFile = qgetenv("TAM_MESSAGE_LOG");
    if (!logFile.isEmpty()) {
        QFile log(QString::fromLocal8Bit(logFile));
        if (log.open(QIODevice::Append))
            log.write("open|" + url.toString().toUtf8() + '\n');
        return true;
    }
    if (QThread::currentThread() == qApp->thread())
        return QDesktopServices::openUrl(url);
    bool opened = false;
    QMetaObject::invokeMethod(
            qApp, [&] { opened = QDesktopServices::openUrl(url); }, Qt::BlockingQueuedConnection);
    return opened;
}
