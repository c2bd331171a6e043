#include "helpermessages.h"

#include "messageseam.h"
#include "urlopener.h"

#include <QApplication>
#include <QDesktopServices>
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
    // Application names come from the catalogue, which may come from the update server.
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::StandardButtons(buttons));
    Qt::WindowFlags windowFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
    if (flags & MessageSeam::KeepOnTop)
        windowFlags |= Qt::WindowStaysOnTopHint;
    box.setWindowFlags(windowFlags);
    return box.exec();
}

int handle(QObject *,
           MessageSeam::Icon icon,
           const QString &title,
           const QString &text,
           int buttons,
           int flags)
{
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
    UrlOpener::setHandler(&HelperMessages::openUrl);
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
    if (QThread::currentThread() == qApp->thread())
        return QDesktopServices::openUrl(url);
    bool opened = false;
    QMetaObject::invokeMethod(
            qApp, [&] { opened = QDesktopServices::openUrl(url); }, Qt::BlockingQueuedConnection);
    return opened;
}
