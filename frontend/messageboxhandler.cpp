#include "messageboxhandler.h"

#include "messageseam.h"

#include <QMessageBox>
#include <QWidget>

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

int showBox(QObject *parent,
            MessageSeam::Icon icon,
            const QString &title,
            const QString &text,
            int buttons,
            int flags)
{
    // The seam's button values are QMessageBox's own.
    QMessageBox box(boxIcon(icon),
                    title,
                    text,
                    QMessageBox::StandardButtons(buttons),
                    qobject_cast<QWidget *>(parent));
    // Names in the texts may come from outside (the update server, a device): never markup.
    box.setTextFormat(Qt::PlainText);
    if (flags & MessageSeam::KeepOnTop)
        box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    return box.exec();
}

} // namespace

void MessageBoxHandler::install()
{
    MessageSeam::setHandler(showBox);
}
