#pragma once

#include "fileproblem.h"

// Everything wrong with one file a disc author wrote: read through the XML guard as setup reads
// it, checked against the schema its root element names, then read as setup reads it (the
// "Design Time Error" messages of the catalogue and its languages). Each problem once, by line.
class FileValidation
{
public:
    static FileProblems of(const QString &path);
    // "PATH:LINE: message", or "PATH: message" for the file as a whole.
    static QString format(const QString &path, const FileProblem &problem);
    // The file names of the schemas, by root element in its canonical spelling.
    static QString schemaFor(const QString &rootName);
};
