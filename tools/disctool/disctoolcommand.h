#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include <functional>

class QCoreApplication;

// One subcommand of disctool. Each cmd_*.cpp defines a static DiscToolCommand, which adds itself
// to the list that main() dispatches on. Every command reads its command line the same way: its
// options through QCommandLineParser, "--help" for its usage, an unknown option named.
class DiscToolCommand
{
public:
    // What a command accepts besides --help.
    struct Syntax
    {
        // The usage line after "disctool NAME", as the help shows it.
        const char *usage;
        QList<QCommandLineOption> options = {};
        // --machine DIR and --new-machine DIR: the simulated machine the command works on.
        bool machine = false;
        // Everything after the first positional argument is the command's own (reg.exe's
        // switches for registry), not disctool's options.
        bool ownSwitchesAfterVerb = false;
    };
    using Handler = std::function<int(const QCommandLineParser &parser)>;
    // Commands that need more than a core application (widgets, offscreen) make their own.
    using ApplicationFactory = std::function<QCoreApplication *(int &argc, char **argv)>;

    DiscToolCommand(const char *name,
                    Syntax syntax,
                    Handler handler,
                    ApplicationFactory applicationFactory = {});

    static const DiscToolCommand *find(const QString &name);
    static QStringList usages();
    // A command line the running command cannot use: the problem and the usage on standard
    // error; returns the exit status 2.
    static int refuse(const QString &problem);

    const char *name() const { return m_name; }
    QString usage() const;
    // Parses arguments (those after the command's name) and runs the command.
    int run(const QStringList &arguments) const;
    QCoreApplication *createApplication(int &argc, char **argv) const;

private:
    QString help() const;

    const char *m_name;
    Syntax m_syntax;
    Handler m_handler;
    ApplicationFactory m_applicationFactory;
};
