#pragma once

// SHA-256 of installer payloads: the catalogue's optional sha256 attribute names the file an
// installer means. Files are read in blocks, so a large installer never sits in memory.

#include <QString>

class PayloadHash
{
public:
    // 64 hexadecimal digits, either case.
    static bool isWellFormed(const QString &text);
    // The file's SHA-256 in lower-case hexadecimal; empty when it cannot be read.
    static QString ofFile(const QString &hostPath);
    // True when both name the same hash (case does not matter).
    static bool matches(const QString &expected, const QString &actual);
    // Copies source to target (created new, never an existing file) and hashes the bytes as
    // they are written, so what is checked is exactly what was copied. False when reading or
    // writing fails; a partial target is removed. With a limit, at most limit + 1 bytes are
    // copied: enough to tell that the source is larger.
    static bool copyHashing(const QString &source,
                            const QString &target,
                            QString *hash,
                            qint64 *size,
                            qint64 limit = -1);
};
