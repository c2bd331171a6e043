#pragma once

// Judges a loaded skin form against what the front end needs from it.

#include <QList>
#include <QString>

class QWidget;

class SkinCheck
{
public:
    struct Finding
    {
        // The main menu could not be set up, or the user could not install or leave a page.
        bool fatal;
        QString text;
    };

    // form is what the form loader returned for the skin file named skin.
    static QList<Finding> check(QWidget *form, const QString &skin);
};
