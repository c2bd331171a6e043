#pragma once

#include <QString>

// "--machine DIR" names the simulated machine a command works on; a folder that does not exist
// is refused, so that a mistyped path is not taken for an empty machine. "--new-machine DIR"
// asks for a machine to be laid out there when the folder does not exist yet (an existing one is
// used as it is).
namespace MachineOption {

// Points the process at the machine in folder (isNew: "--new-machine"). False with a problem to
// report when the folder is missing or refused.
bool apply(const QString &folder, bool isNew, QString &problem);

} // namespace MachineOption
