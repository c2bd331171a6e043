#include "focusdescription.h"

#include <QEvent>
#include <QWidget>

FocusDescription::FocusDescription(QWidget *control, QWidget *description)
    : QObject(control)
    , m_description(description)
{
    control->installEventFilter(this);
}

bool FocusDescription::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QWidget *>(watched);
    if (m_description && event->type() == QEvent::FocusIn) {
        m_description->show();
        m_description->raise();
    } else if (m_description && event->type() == QEvent::FocusOut && !control->underMouse()) {
        m_description->hide();
    }
    return QObject::eventFilter(watched, event);
}
