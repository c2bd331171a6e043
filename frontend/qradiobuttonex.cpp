#include "qradiobuttonex.h"

#include "hoverstate.h"

QRadioButtonEx::QRadioButtonEx(QRadioButton *skinWidget)
    : QRadioButton(nullptr)
{
    HoverState::copyButton(skinWidget, this);
}

void QRadioButtonEx::enterEvent(QEvent *event)
{
    emit cursorHasEntered();
    QRadioButton::enterEvent(event);
}

void QRadioButtonEx::leaveEvent(QEvent *event)
{
    emit cursorHasLeft();
    QRadioButton::leaveEvent(event);
}
