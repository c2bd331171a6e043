#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keyboard focus on a control shows the description that the pointer resting on it shows.
class FocusDescription : public QObject
{
    Q_OBJECT

public:
    // Owned by control.
    FocusDescription(QWidget *control, QWidget *description);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_description;
};
