#pragma once

// The texts the Install Software page composes from numbers and installer lists: sizes, speed,
// time remaining and the components tool tip.

#include <QList>
#include <QString>

class Installer;

class InstallPageTexts
{
public:
    // bytes / 1,048,576 with one decimal: "1.5 MB".
    static QString megabytes(quint64 bytes);
    // "1023 B/s", "1.0 KB/s", "1.0 MB/s".
    static QString speed(qint64 bytesPerSecond);
    // "01:02:05"; hours grow beyond two digits ("100:00:00").
    static QString duration(qint64 seconds);
    // The HTML list of the installers still to install, the first list first, their names and
    // versions escaped; "Installed" when both are empty.
    static QString componentsToolTip(const QList<Installer *> &first,
                                     const QList<Installer *> &second);
};
