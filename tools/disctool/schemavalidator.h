#pragma once

#include "fileproblem.h"

// Checks a document against the schema of its kind (schemas/*.xsd, built into disctool), so an
// author gets the same verdict as from an editor or xmllint. Builds without a schema library
// (the Windows tree) have none and say so.
class SchemaValidator
{
public:
    static bool isAvailable();
    // Why isAvailable() is false.
    static QString unavailableReason();

    // schema is a file name under schemas/ ("scanner.xsd"); text is the document as the XML
    // guard decoded it. Every complaint comes with its line.
    static FileProblems validate(const QString &schema, const QString &text);
};
