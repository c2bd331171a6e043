#include "disctoolcommand.h"

#include "configurationenvironment.h"
#include "consoleoutput.h"

#include <QCoreApplication>
#include <QTextCodec>
#include <QTextStream>

#include <memory>
#include <vector>

namespace {
std::vector<const DiscToolCommand *> &registry()
{
    static std::vector<const DiscToolCommand *> commands;
    return commands;
}
} // namespace

DiscToolCommand::DiscToolCommand(const char *name,
                                 const char *usage,
                                 Handler handler,
                                 ApplicationFactory applicationFactory)
    : m_name(name)
    , m_usage(usage)
    , m_handler(std::move(handler))
    , m_applicationFactory(std::move(applicationFactory))
{
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
        lines << QStringLiteral("  disctool %1 %2")
                         .arg(QLatin1String(command->name()), QLatin1String(command->usage()));
    lines.sort();
    return lines;
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
    if (!command) {
        QTextStream err(stderr);
        if (!arguments.isEmpty())
            err << "disctool: unknown command \"" << arguments.first() << "\"\n";
        err << "usage:\n" << DiscToolCommand::usages().join(QLatin1Char('\n')) << '\n';
        return 2;
    }
    arguments.removeFirst();
    return command->run(arguments);
}
