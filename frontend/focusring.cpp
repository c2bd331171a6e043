#include "focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget *area, QWidget *canvas)
    : QWidget(canvas)
    , m_area(area)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        follow(now);
    });
    follow(QApplication::focusWidget());
}

void FocusRing::follow(QWidget *focused)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = nullptr;
    // A page that holds focus while its controls are locked is no control to mark.
    if (focused && m_area && m_area->isAncestorOf(focused)
        && (focused->focusPolicy() & Qt::TabFocus)) {
        m_target = focused;
        m_target->installEventFilter(this);
    }
    place();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::place()
{
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const QRect around(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size());
    setGeometry(around.adjusted(-Width, -Width, Width, Width));
    // Only the ring itself covers the skin; the control inside stays as it is drawn.
    setMask(QRegion(rect()) - QRegion(rect().adjusted(Width, Width, -Width, -Width)));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int half = Width / 2;
    painter.fillRect(rect().adjusted(half, half, -half, -half), Qt::black);
}
