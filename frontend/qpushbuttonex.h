#pragma once

#include <QPushButton>

// A QPushButton of the skin that tells when the pointer enters and leaves it.
class QPushButtonEx : public QPushButton
{
    Q_OBJECT

public:
    // Takes over skinWidget's state; created without parent.
    explicit QPushButtonEx(QPushButton *skinWidget);

signals:
    void cursorHasEntered();
    void cursorHasLeft();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
