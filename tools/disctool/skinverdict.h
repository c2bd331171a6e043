#pragma once

// The skin check shared by skin-check and layout: the skin loaded as the front end would, and
// what it lacks in the front end's own words. Builds without Qt's form loader say that they
// cannot check.

#include <QStringList>

class QCoreApplication;

struct SkinVerdict
{
    QStringList errors;
    QStringList warnings;
    bool checked = false;

    static SkinVerdict of(const QString &skinPath);
    // The application the check needs (offscreen widgets where the form loader is built in).
    static QCoreApplication *createApplication(int &argc, char **argv);
};
