#pragma once

#include <QStringList>

// "--machine DIR" names the simulated machine a command works on; a folder that does not exist
// is refused, so that a mistyped path is not taken for an empty machine. "--new-machine DIR"
// asks for a machine to be laid out there when the folder does not exist yet (an existing one is
// used as it is). Both also take the form "--machine=DIR".
namespace MachineOption {

// Takes every machine option out of arguments, wherever it stands, and points the process at
// the machine it names. False with a problem to report when a folder is missing or refused.
bool take(QStringList &arguments, QString &problem);

} // namespace MachineOption
