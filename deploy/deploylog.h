#pragma once

// The log of an unattended run (/log FILE), written for the administrators who read it: one
// UTF-8 line per event, with the local time, in plain words. Runs append to the same file, so
// the first run of a restart and the one after it stay together. Each line is flushed at once:
// a run that is ended from outside still leaves all it did.

#include <QFile>
#include <QString>

class QDateTime;

class DeployLog
{
public:
    // Opens path for appending, creating its folder if needed; false with a reason otherwise.
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file.isOpen(); }
    // One event; line breaks inside it become spaces. Without an open file nothing is written.
    void write(const QString &event);

    // "2026-12-08 16:25:03.123"
    static QString timeStamp(const QDateTime &time);
    // The event as it is written, without the time stamp: one line, no trailing space.
    static QString oneLine(const QString &event);
    // "4,096 bytes"
    static QString bytes(qint64 count);

private:
    QFile m_file;
};
