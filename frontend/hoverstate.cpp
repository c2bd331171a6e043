#include "hoverstate.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QMovie>
#include <QPicture>
#include <QPixmap>

void HoverState::copyWidget(QWidget *from, QWidget *to)
{
    to->setAcceptDrops(from->acceptDrops());
    to->setAccessibleDescription(from->accessibleDescription());
    to->setAccessibleName(from->accessibleName());
    to->setAutoFillBackground(from->autoFillBackground());
    to->setBackgroundRole(from->backgroundRole());
    to->setBaseSize(from->baseSize());
    to->setContentsMargins(from->contentsMargins());
    to->setContextMenuPolicy(from->contextMenuPolicy());
    if (from->testAttribute(Qt::WA_SetCursor))
        to->setCursor(from->cursor());
    to->setEnabled(from->isEnabled());
    if (from->hasFocus())
        to->setFocus();
    to->setFocusPolicy(from->focusPolicy());
    to->setFocusProxy(from->focusProxy());
    to->setFont(from->font());
    to->setForegroundRole(from->foregroundRole());
    to->setGeometry(from->geometry());
    // setLayout takes a layout over from the widget that holds it.
    if (from->layout() && !to->layout())
        to->setLayout(from->layout());
    to->setLayoutDirection(from->layoutDirection());
    to->setLocale(from->locale());
    to->setMask(from->mask());
    to->setMaximumSize(from->maximumSize());
    to->setMinimumSize(from->minimumSize());
    to->setPalette(from->palette());
    to->setSizeIncrement(from->sizeIncrement());
    to->setSizePolicy(from->sizePolicy());
    to->setStatusTip(from->statusTip());
    // Only a style given to the widget itself; the application's (or the style sheet's proxy)
    // reaches the twin anyway.
    if (from->testAttribute(Qt::WA_SetStyle))
        to->setStyle(from->style());
    to->setStyleSheet(from->styleSheet());
    to->setToolTip(from->toolTip());
    to->setUpdatesEnabled(from->updatesEnabled());
    to->setWhatsThis(from->whatsThis());
    to->setWindowFlags(from->windowFlags());
    to->setWindowOpacity(from->windowOpacity());
}

void HoverState::copyButton(QAbstractButton *from, QAbstractButton *to)
{
    copyWidget(from, to);
    to->setAutoExclusive(from->autoExclusive());
    to->setAutoRepeat(from->autoRepeat());
    to->setAutoRepeatDelay(from->autoRepeatDelay());
    to->setAutoRepeatInterval(from->autoRepeatInterval());
    to->setCheckable(from->isCheckable());
    to->setChecked(from->isChecked());
    to->setDown(from->isDown());
    to->setIcon(from->icon());
    to->setIconSize(from->iconSize());
    to->setShortcut(from->shortcut());
    to->setText(from->text());
}

void HoverState::copyLabel(QLabel *from, QLabel *to)
{
    copyWidget(from, to);
    to->setFrameRect(from->frameRect());
    to->setFrameStyle(from->frameStyle());
    to->setFrameShadow(from->frameShadow());
    to->setFrameShape(from->frameShape());
    to->setLineWidth(from->lineWidth());
    to->setMidLineWidth(from->midLineWidth());
    to->setAlignment(from->alignment());
    to->setBuddy(from->buddy());
    to->setIndent(from->indent());
    to->setMargin(from->margin());
    to->setOpenExternalLinks(from->openExternalLinks());
    to->setScaledContents(from->hasScaledContents());
    to->setTextFormat(from->textFormat());
    to->setTextInteractionFlags(from->textInteractionFlags());
    to->setWordWrap(from->wordWrap());
    // A label shows one thing at a time; each setter clears the others.
    if (from->movie())
        to->setMovie(from->movie());
    else if (!from->picture(Qt::ReturnByValue).isNull())
        to->setPicture(from->picture(Qt::ReturnByValue));
    else if (!from->pixmap(Qt::ReturnByValue).isNull())
        to->setPixmap(from->pixmap(Qt::ReturnByValue));
    else
        to->setText(from->text());
}
