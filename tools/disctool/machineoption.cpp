#include "machineoption.h"

#include "machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace MachineOption {

namespace {

const QString Existing = QStringLiteral("--machine");
const QString New = QStringLiteral("--new-machine");

// The option's folder, taken out of arguments with the option; false when it is not one.
bool takeOne(QStringList &arguments, int i, const QString &option, QString &folder, bool &found)
{
    const QString &argument = arguments.at(i);
    if (argument == option) {
        found = true;
        if (i + 1 < arguments.size()) {
            folder = arguments.at(i + 1);
            arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
        } else {
            arguments.removeAt(i);
        }
        return true;
    }
    if (argument.startsWith(option + QLatin1Char('='))) {
        found = true;
        folder = arguments.takeAt(i).mid(option.size() + 1);
        return true;
    }
    return false;
}

} // namespace

bool take(QStringList &arguments, QString &problem)
{
    for (int i = 0; i < arguments.size();) {
        QString folder;
        bool found = false;
        const bool isNew = takeOne(arguments, i, New, folder, found);
        if (!isNew)
            takeOne(arguments, i, Existing, folder, found);
        if (!found) {
            ++i;
            continue;
        }
        if (folder.isEmpty()) {
            problem = QStringLiteral("%1 needs a folder").arg(isNew ? New : Existing);
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
    }
    return true;
}

} // namespace MachineOption
