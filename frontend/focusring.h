#pragma once

#include <QPointer>
#include <QWidget>

// The mark of keyboard focus on a skinned window: a ring around the focused control, drawn over
// the skin so that the skin looks as designed while nothing has focus. The ring is white outside
// and black inside: against any colour one of the two contrasts by at least 4.5:1.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    // Follows focus inside area (the skin), drawn on canvas, an ancestor of area.
    FocusRing(QWidget *area, QWidget *canvas);

    static constexpr int Width = 4;

    QWidget *target() const { return m_target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();

    QPointer<QWidget> m_area;
    QPointer<QWidget> m_target;
};
