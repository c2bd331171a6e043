#include "hostfiles.h"

#include "hostpath.h"

#include <QFile>

namespace HostFiles {

QString hostPath(const QString &windowsPath)
{
    return QString::fromStdString(sys::toHostPath(windowsPath.toStdWString()));
}

QString windowsPath(const QString &hostPath)
{
    return QString::fromStdWString(sys::fromHostPath(hostPath.toStdString()));
}

void makeRunnable(const QString &hostFile)
{
    const QFile::Permissions permissions = QFile::permissions(hostFile);
    QFile::Permissions runnable = permissions;
    if (permissions & QFile::ReadOwner)
        runnable |= QFile::ExeOwner;
    if (permissions & QFile::ReadUser)
        runnable |= QFile::ExeUser;
    if (permissions & QFile::ReadGroup)
        runnable |= QFile::ExeGroup;
    if (permissions & QFile::ReadOther)
        runnable |= QFile::ExeOther;
    if (runnable != permissions)
        QFile::setPermissions(hostFile, runnable);
}

} // namespace HostFiles
