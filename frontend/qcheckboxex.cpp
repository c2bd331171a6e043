#include "qcheckboxex.h"

#include "hoverstate.h"

QCheckBoxEx::QCheckBoxEx(QCheckBox *skinWidget)
    : QCheckBox(nullptr)
{
    HoverState::copyButton(skinWidget, this);
    setTristate(skinWidget->isTristate());
    setCheckState(skinWidget->checkState());
}

void QCheckBoxEx::enterEvent(QEvent *event)
{
    emit cursorHasEntered();
    QCheckBox::enterEvent(event);
}

void QCheckBoxEx::leaveEvent(QEvent *event)
{
    emit cursorHasLeft();
    QCheckBox::leaveEvent(event);
}
