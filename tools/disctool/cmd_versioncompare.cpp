// disctool version-compare: the dotted-version comparison the checkers and the catalogue merge
// use, for disc authors choosing a MatchValue.

#include "disctoolcommand.h"

#include "checker.h"
#include "versioncompare.h"

#include <QTextStream>

namespace {

int runVersionCompare(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 3)
        return DiscToolCommand::refuse(QStringLiteral("two versions and a mode are needed"));
    const int mode = Checker::matchModeFromText(arguments.at(2));
    if (mode < 0)
        return DiscToolCommand::refuse(
                QStringLiteral("unknown mode \"%1\" (a number or a spelling such as "
                               "isequalornewer)")
                        .arg(arguments.at(2)));
    const bool result = engine::compareVersions(
            arguments.at(0).toStdWString(), arguments.at(1).toStdWString(), mode);
    QTextStream(stdout) << (result ? "true" : "false") << '\n';
    return 0;
}

const DiscToolCommand command("version-compare", {"A B MODE"}, runVersionCompare);

} // namespace
