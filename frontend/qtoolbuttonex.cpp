#include "qtoolbuttonex.h"

#include "hoverstate.h"

QToolButtonEx::QToolButtonEx(QToolButton *skinWidget)
    : QToolButton(nullptr)
{
    HoverState::copyButton(skinWidget, this);
    setArrowType(skinWidget->arrowType());
    setAutoRaise(skinWidget->autoRaise());
    setPopupMode(skinWidget->popupMode());
    setToolButtonStyle(skinWidget->toolButtonStyle());
}

void QToolButtonEx::enterEvent(QEvent *event)
{
    emit cursorHasEntered();
    QToolButton::enterEvent(event);
}

void QToolButtonEx::leaveEvent(QEvent *event)
{
    emit cursorHasLeft();
    QToolButton::leaveEvent(event);
}
