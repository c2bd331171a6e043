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
        bool fatal; // the main menu could not be set up
        QString text;
    };

    // form is what the form loader returned for the skin file named skin.
    static QList<Finding> check(QWidget *form, const QString &skin);
};
