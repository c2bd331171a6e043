// disctool validate FILE...: checks the files a disc author writes (product files, update
// descriptions, the update server's files, DVDPath.xml) against their schemas and as setup reads
// them, and prints every problem once with its line.

#include "disctoolcommand.h"
#include "filevalidation.h"
#include "schemavalidator.h"

#include <QTextStream>

namespace {

int runValidate(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return DiscToolCommand::refuse(QStringLiteral("at least one file is needed"));
    QTextStream err(stderr);
    if (!SchemaValidator::isAvailable())
        err << "disctool validate: " << SchemaValidator::unavailableReason() << '\n';
    bool clean = true;
    for (const QString &file : files) {
        for (const FileProblem &problem : FileValidation::of(file)) {
            err << FileValidation::format(file, problem) << '\n';
            clean = false;
        }
    }
    return clean ? 0 : 1;
}

const DiscToolCommand command("validate", {"FILE..."}, runValidate);

} // namespace
