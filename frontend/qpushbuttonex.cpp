#include "qpushbuttonex.h"

#include "hoverstate.h"

QPushButtonEx::QPushButtonEx(QPushButton *skinWidget)
    : QPushButton(nullptr)
{
    HoverState::copyButton(skinWidget, this);
    setAutoDefault(skinWidget->autoDefault());
    setDefault(skinWidget->isDefault());
    setFlat(skinWidget->isFlat());
}

void QPushButtonEx::enterEvent(QEvent *event)
{
    emit cursorHasEntered();
    QPushButton::enterEvent(event);
}

void QPushButtonEx::leaveEvent(QEvent *event)
{
    emit cursorHasLeft();
    QPushButton::leaveEvent(event);
}
