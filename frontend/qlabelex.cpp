#include "qlabelex.h"

#include "hoverstate.h"

QLabelEx::QLabelEx(QLabel *skinWidget)
    : QLabel(nullptr)
{
    HoverState::copyLabel(skinWidget, this);
}

void QLabelEx::enterEvent(QEvent *event)
{
    emit cursorHasEntered();
    QLabel::enterEvent(event);
}

void QLabelEx::leaveEvent(QEvent *event)
{
    emit cursorHasLeft();
    QLabel::leaveEvent(event);
}
