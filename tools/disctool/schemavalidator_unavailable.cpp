// The schema check for builds without libxml2 (Debian has none for MinGW): the program's own
// reading still runs; the schemas themselves are checked by a Linux disctool or xmllint.

#include "schemavalidator.h"

bool SchemaValidator::isAvailable()
{
    return false;
}

QString SchemaValidator::unavailableReason()
{
    return QStringLiteral("this disctool was built without libxml2, so it cannot check files "
                          "against their schemas; use a Linux disctool or xmllint --schema");
}

FileProblems SchemaValidator::validate(const QString &, const QString &)
{
    return {};
}
