#include "userguide.h"

UserGuide::UserGuide(QObject *parent)
    : QObject(parent)
{}

int UserGuide::typeFromString(const QString &spelling)
{
    const QString lower = spelling.toLower();
    if (lower == QLatin1String("scanner"))
        return Scanner;
    if (lower == QLatin1String("software"))
        return Software;
    return NoType;
}
