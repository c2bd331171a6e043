#pragma once

// Screens an XML file before it is handed to QDomDocument: product files come from discs and
// from the network, and a file that is too big, nested too deeply (the DOM frees its nodes
// recursively) or declares entities (expansion bombs) is refused instead of read.

#include <QByteArray>
#include <QString>

class QIODevice;

class XmlGuard
{
public:
    static const qint64 maxBytes = 32 * 1024 * 1024;
    static const int maxDepth = 256;

    // Reads the whole device into content when it is within maxBytes and passes check(). A file
    // over the limit is refused at line and column 0.
    static bool readWithin(QIODevice &device,
                           QByteArray &content,
                           QString *error = nullptr,
                           int *line = nullptr,
                           int *column = nullptr);
    // True when content is neither nested deeper than maxDepth nor declares entities. A
    // document that is simply malformed passes: the DOM reports that itself.
    static bool check(const QByteArray &content,
                      QString *error = nullptr,
                      int *line = nullptr,
                      int *column = nullptr);
};
