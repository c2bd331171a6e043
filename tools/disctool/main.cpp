#include "disctoolcommand.h"

#include "configurationenvironment.h"
#include "consoleoutput.h"
#include "machineoption.h"

#include <QCoreApplication>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
std::vector<const DiscToolCommand *> &registry()
{
    static std::vector<const DiscToolCommand *> commands;
    return commands;
}

const DiscToolCommand *&running()
{
    static const DiscToolCommand *command = nullptr;
    return command;
}

// Function-local, as the commands that copy them are static objects of other files.
const QCommandLineOption &helpOption()
{
    static const QCommandLineOption option(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                           QStringLiteral("Shows this help."));
    return option;
}

const QCommandLineOption &machineOption()
{
    static const QCommandLineOption option(
            QStringLiteral("machine"),
            QStringLiteral("The simulated machine to work on, a folder that exists."),
            QStringLiteral("DIR"));
    return option;
}

const QCommandLineOption &newMachineOption()
{
    static const QCommandLineOption option(
            QStringLiteral("new-machine"),
            QStringLiteral("The same, laid out there when the folder does not exist yet."),
            QStringLiteral("DIR"));
    return option;
}

bool isHelp(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

int printUsage(QTextStream &stream)
{
    stream << "usage:\n"
           << DiscToolCommand::usages().join(QLatin1Char('\n')) << '\n'
           << "disctool COMMAND --help describes a command's options.\n";
    return 0;
}
} // namespace

DiscToolCommand::DiscToolCommand(const char *name,
                                 Syntax syntax,
                                 Handler handler,
                                 ApplicationFactory applicationFactory)
    : m_name(name)
    , m_syntax(std::move(syntax))
    , m_handler(std::move(handler))
    , m_applicationFactory(std::move(applicationFactory))
{
    if (m_syntax.machine)
        m_syntax.options << machineOption() << newMachineOption();
    registry().push_back(this);
}

QCoreApplication *DiscToolCommand::createApplication(int &argc, char **argv) const
{
    return m_applicationFactory ? m_applicationFactory(argc, argv)
                                : new QCoreApplication(argc, argv);
}

const DiscToolCommand *DiscToolCommand::find(const QString &name)
{
    for (const DiscToolCommand *command : registry()) {
        if (name == QLatin1String(command->name()))
            return command;
    }
    return nullptr;
}

QStringList DiscToolCommand::usages()
{
    QStringList lines;
    for (const DiscToolCommand *command : registry())
        lines << QStringLiteral("  ") + command->usage();
    lines.sort();
    return lines;
}

QString DiscToolCommand::usage() const
{
    return QStringLiteral("disctool %1 %2%3")
            .arg(QLatin1String(m_name),
                 m_syntax.machine ? QStringLiteral("[--machine DIR | --new-machine DIR] ")
                                  : QString(),
                 QLatin1String(m_syntax.usage));
}

QString DiscToolCommand::help() const
{
    QString text = QStringLiteral("usage: %1\n").arg(usage());
    QList<QCommandLineOption> options = m_syntax.options;
    options << helpOption();
    QStringList names;
    for (const QCommandLineOption &option : qAsConst(options)) {
        QStringList spellings;
        for (const QString &spelling : option.names())
            spellings << (spelling.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"))
                                 + spelling;
        QString name = spellings.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            name += QLatin1Char(' ') + option.valueName();
        names << name;
    }
    int width = 0;
    for (const QString &name : qAsConst(names))
        width = std::max(width, int(name.size()));
    text += QStringLiteral("options:\n");
    for (int i = 0; i < options.size(); ++i)
        text += QStringLiteral("  %1  %2\n")
                        .arg(names.at(i).leftJustified(width), options.at(i).description());
    return text;
}

int DiscToolCommand::refuse(const QString &problem)
{
    QTextStream err(stderr);
    const DiscToolCommand *command = running();
    err << "disctool"
        << (command ? QStringLiteral(" ") + QLatin1String(command->name()) : QString()) << ": "
        << problem << '\n';
    if (command)
        err << "usage: " << command->usage() << '\n';
    return 2;
}

int DiscToolCommand::run(const QStringList &arguments) const
{
    running() = this;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (m_syntax.ownSwitchesAfterVerb)
        parser.setOptionsAfterPositionalArgumentsMode(
                QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions(m_syntax.options);
    parser.addOption(helpOption());
    // The parser skips the first argument as the program's name.
    if (!parser.parse(QStringList{QLatin1String(m_name)} + arguments))
        return refuse(parser.errorText());
    if (parser.isSet(helpOption())) {
        QTextStream(stdout) << help();
        return 0;
    }
    if (m_syntax.machine) {
        // A new machine asked for wins over an existing one named beside it.
        const bool isNew = parser.isSet(newMachineOption());
        QString problem;
        if ((isNew || parser.isSet(machineOption()))
            && !MachineOption::apply(
                    parser.value(isNew ? newMachineOption() : machineOption()), isNew, problem))
            return refuse(problem);
    }
    return m_handler(parser);
}

int main(int argc, char *argv[])
{
    const DiscToolCommand *command
            = argc < 2 ? nullptr : DiscToolCommand::find(QString::fromLocal8Bit(argv[1]));
    const std::unique_ptr<QCoreApplication> app(command ? command->createApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    // One encoding on every platform and in every locale: scripts and tests read the output as
    // UTF-8, and Windows' default, the ANSI code page, turned every other character into '?'.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    sys::showUtf8InConsole();
    ConfigurationEnvironment::install();
    QStringList arguments = app->arguments().mid(1);
    if (!command && arguments.size() == 1 && isHelp(arguments.first())) {
        QTextStream out(stdout);
        return printUsage(out);
    }
    if (!command) {
        QTextStream err(stderr);
        if (!arguments.isEmpty())
            err << "disctool: unknown command \"" << arguments.first() << "\"\n";
        printUsage(err);
        return 2;
    }
    arguments.removeFirst();
    return command->run(arguments);
}
