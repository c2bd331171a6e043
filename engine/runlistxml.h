#pragma once

// The run-list form of installers, executables and checkers: setup writes them for the
// selected applications, setup_runner rebuilds the same objects from them. The text is one line
// without indentation. Attribute values are escaped, so any text round-trips; an argument that
// contains a double quote keeps the single-quoted form older readers expect.

#include <QString>

class Checker;
class Executable;
class Installer;
class QDomDocument;
class QDomElement;
class QObject;

class RunListXml
{
public:
    // name="value" with a leading space; the value escaped for its quotes.
    static QString attribute(const QString &name, const QString &value);
    static QString escape(const QString &value, QChar quote = QLatin1Char('"'));

    // order -1 leaves the Order/_nOrder attribute out.
    static QString writeInstaller(const Installer &installer, int order);
    static QString writeExecutable(const Executable &executable, int order);
    static QString writeChecker(const Checker &checker);
    // The attributes of the run list's root element: the user's download folder, from which
    // the helper takes nothing without copying it first. Older helpers ignore them.
    static QString writeRunSettings(const QString &downloadFolder);
    static QString readDownloadFolder(const QDomDocument &document);

    // Parses run-list text into document. The text crosses a process boundary, so it is screened
    // first like a product file: nesting deep enough to exhaust the stack while the DOM is built
    // or freed is refused before the DOM sees it.
    static bool parse(const QString &text, QDomDocument &document, QString *error = nullptr);

    static Installer *readInstaller(const QDomElement &element, QObject *parent);
    static Executable *readExecutable(const QDomElement &element, QObject *parent);
    static void readExecutableInto(const QDomElement &element, Executable &executable);
    static Checker readChecker(const QDomElement &element);
};
