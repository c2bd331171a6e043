#pragma once

#include <QRadioButton>

// A QRadioButton of the skin that tells when the pointer enters and leaves it.
class QRadioButtonEx : public QRadioButton
{
    Q_OBJECT

public:
    // Takes over skinWidget's state; created without parent.
    explicit QRadioButtonEx(QRadioButton *skinWidget);

signals:
    void cursorHasEntered();
    void cursorHasLeft();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
