#pragma once

// setup's command line for deployment tools (/quiet, /passive, /detect and their companions).
// It is read from the real command line before any Qt application exists: /quiet must not even
// create a GUI application. The interactive command lines (none, "-check", a language code with
// a resume step) are not deployment command lines and keep their meaning.

#include <QString>
#include <QStringList>

class DeploySwitches
{
public:
    enum class Mode { Usage, Quiet, Passive, Detect };
    // Where payloads come from when an application has a disc and a web variant.
    enum class Source { Automatic, Disc, Web };

    // True when arguments (without the program's name) are meant for the unattended path: any
    // that starts with "/" or "-", except the interactive "-check".
    static bool requestsUnattended(const QStringList &arguments);
    // Reads a deployment command line. A bad one leaves error set (exit code 87), naming the
    // switch; logFile and reportFile are kept when they were read before the fault.
    static DeploySwitches parse(const QStringList &arguments);
    // What "setup /?" shows.
    static QString usage();

    // Makes a relative /log or /report path relative to workingDirectory, the folder the
    // deployment tool started setup in (setup then moves to its own folder).
    void resolvePaths(const QString &workingDirectory);

    bool isValid() const { return error.isEmpty(); }
    bool hasSelection() const { return all || !selection.isEmpty(); }
    // The device to install for: none, any single one, or one of a product id (and serial).
    bool usesDevice() const { return deviceAuto || deviceProductId != 0; }

    // The command line as it was given, for the log.
    QStringList arguments;
    Mode mode = Mode::Usage;
    QStringList selection;
    bool all = false;
    Source source = Source::Automatic;
    // Lower case; empty: the system's language as the language picker would preselect it.
    QString language;
    QString logFile;
    QString reportFile;
    bool noRestart = false;
    bool deviceAuto = false;
    quint16 deviceProductId = 0;
    QString deviceSerial;
    QString error;
};
