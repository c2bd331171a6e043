#pragma once

#include <QList>
#include <QString>

// One fault in a file an author wrote, where it is. Line 0: the file as a whole.
struct FileProblem
{
    int line = 0;
    QString message;

    bool operator==(const FileProblem &other) const
    {
        return line == other.line && message == other.message;
    }
};

using FileProblems = QList<FileProblem>;
