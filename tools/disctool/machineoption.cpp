#include "machineoption.h"

#include "machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace MachineOption {

bool apply(const QString &folder, bool isNew, QString &problem)
{
    const QString option = isNew ? QStringLiteral("--new-machine") : QStringLiteral("--machine");
    if (folder.isEmpty()) {
        problem = QStringLiteral("%1 needs a folder").arg(option);
        return false;
    }
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        problem = QStringLiteral("the machine folder %1 is a file").arg(folder);
        return false;
    }
    if (!info.exists() && !isNew) {
        problem = QStringLiteral("the machine folder %1 does not exist (--new-machine %1 "
                                 "lays out a new machine there)")
                          .arg(folder);
        return false;
    }
    if (!info.exists() && !QDir().mkpath(folder)) {
        problem = QStringLiteral("the machine folder %1 could not be made").arg(folder);
        return false;
    }
    sys::setMachineRoot(QFile::encodeName(info.absoluteFilePath()).toStdString());
    // Lays out what a new machine holds (registry, drive C:) in an empty folder.
    sys::machineRoot();
    return true;
}

} // namespace MachineOption
