// disctool version-compare: the dotted-version comparison the checkers and the catalogue merge
// use, for disc authors choosing a MatchValue.

#include "disctoolcommand.h"

#include "checker.h"
#include "versioncompare.h"

#include <QTextStream>

namespace {

int runVersionCompare(const QStringList &arguments)
{
    const int mode = arguments.size() == 3 ? Checker::matchModeFromText(arguments.at(2)) : -1;
    if (mode < 0) {
        QTextStream(stderr) << "usage: disctool version-compare A B MODE (a number or a "
                               "spelling such as isequalornewer)\n";
        return 2;
    }
    const bool result = engine::compareVersions(
            arguments.at(0).toStdWString(), arguments.at(1).toStdWString(), mode);
    QTextStream(stdout) << (result ? "true" : "false") << '\n';
    return 0;
}

const DiscToolCommand command("version-compare", "A B MODE", runVersionCompare);

} // namespace
