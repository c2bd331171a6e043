#pragma once

// Screens an XML document before QDomDocument builds it: product files come from discs and from
// the network, and the run list crosses a process boundary. A file that is too big, nested too
// deeply (the DOM frees its nodes recursively) or declares entities (expansion bombs) is refused
// instead of read.
//
// The DOM reads on past many faults a stricter reader stops at (an undeclared entity, "&#0;", a
// duplicate attribute, an unknown encoding, ...), so the screen must bound what the DOM builds,
// not what the stricter reader saw before its first error. Both therefore read the very same
// characters: bytes are decoded here once, and the DOM is handed the decoded text.

#include <QByteArray>
#include <QString>

class QDomDocument;
class QIODevice;

class XmlGuard
{
public:
    static const qint64 maxBytes = 32 * 1024 * 1024;
    static const int maxDepth = 256;

    // Reads the whole device into content when it is within maxBytes. A file over the limit is
    // refused at line and column 0.
    static bool readWithin(QIODevice &device,
                           QByteArray &content,
                           QString *error = nullptr,
                           int *line = nullptr,
                           int *column = nullptr);

    // Decodes content as an XML parser would: a byte-order mark, else UTF-16 by its first
    // character, else the declaration's encoding when it is known, else UTF-8.
    static QString decode(const QByteArray &content);

    // True when text is neither nested deeper than maxDepth nor declares entities, also where it
    // is malformed. A document that is simply malformed passes: the DOM reports that itself.
    static bool check(const QString &text,
                      QString *error = nullptr,
                      int *line = nullptr,
                      int *column = nullptr);
    // Bytes would reach check() decoded as UTF-8 while the DOM decodes them by byte-order mark
    // or declaration: screen bytes through parseBytes() or read() instead.
    static bool check(const QByteArray &, QString * = nullptr, int * = nullptr, int * = nullptr)
            = delete;

    // check() and then QDomDocument::setContent on the same text (without namespace
    // processing); false with the position of whichever refused it.
    static bool parse(const QString &text,
                      QDomDocument &document,
                      QString *error = nullptr,
                      int *line = nullptr,
                      int *column = nullptr);
    // Within maxBytes, decode and parse: what every XML from the network or a peer goes
    // through, so that the screen and the DOM read the same characters.
    static bool parseBytes(const QByteArray &content,
                           QDomDocument &document,
                           QString *error = nullptr,
                           int *line = nullptr,
                           int *column = nullptr);
    // readWithin, decode and parse.
    static bool read(QIODevice &device,
                     QDomDocument &document,
                     QString *error = nullptr,
                     int *line = nullptr,
                     int *column = nullptr);
};
