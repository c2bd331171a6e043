#pragma once

#include <QStringList>

#include <functional>

class QCoreApplication;

// One subcommand of disctool. Each cmd_*.cpp defines a static DiscToolCommand, which adds itself
// to the list that main() dispatches on.
class DiscToolCommand
{
public:
    using Handler = std::function<int(const QStringList &arguments)>;
    // Commands that need more than a core application (widgets, offscreen) make their own.
    using ApplicationFactory = std::function<QCoreApplication *(int &argc, char **argv)>;

    DiscToolCommand(const char *name,
                    const char *usage,
                    Handler handler,
                    ApplicationFactory applicationFactory = {});

    static const DiscToolCommand *find(const QString &name);
    static QStringList usages();

    const char *name() const { return m_name; }
    const char *usage() const { return m_usage; }
    int run(const QStringList &arguments) const { return m_handler(arguments); }
    QCoreApplication *createApplication(int &argc, char **argv) const;

private:
    const char *m_name;
    const char *m_usage;
    Handler m_handler;
    ApplicationFactory m_applicationFactory;
};
