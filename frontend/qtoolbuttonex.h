#pragma once

#include <QToolButton>

// A QToolButton of the skin that tells when the pointer enters and leaves it.
class QToolButtonEx : public QToolButton
{
    Q_OBJECT

public:
    // Takes over skinWidget's state; created without parent.
    explicit QToolButtonEx(QToolButton *skinWidget);

signals:
    void cursorHasEntered();
    void cursorHasLeft();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
