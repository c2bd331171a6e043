#pragma once

#include <QLabel>

// A QLabel of the skin that tells when the pointer enters and leaves it.
class QLabelEx : public QLabel
{
    Q_OBJECT

public:
    // Takes over skinWidget's state; created without parent.
    explicit QLabelEx(QLabel *skinWidget);

signals:
    void cursorHasEntered();
    void cursorHasLeft();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
