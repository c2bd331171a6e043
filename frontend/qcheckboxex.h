#pragma once

#include <QCheckBox>

// A QCheckBox of the skin that tells when the pointer enters and leaves it.
class QCheckBoxEx : public QCheckBox
{
    Q_OBJECT

public:
    // Takes over skinWidget's state; created without parent.
    explicit QCheckBoxEx(QCheckBox *skinWidget);

signals:
    void cursorHasEntered();
    void cursorHasLeft();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
