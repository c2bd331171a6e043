#pragma once

// One row of the Install Software page: the application it offers and the skin widgets that
// show it. The widgets belong to the skin; the pointers only follow them.

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

class Application;

struct InstallRow
{
    Application *application = nullptr;
    QPointer<QCheckBox> checkBox;
    QPointer<QLabel> description;
    QPointer<QLabel> status;
    QPointer<QRadioButton> dvd;
    QPointer<QRadioButton> web;
};
