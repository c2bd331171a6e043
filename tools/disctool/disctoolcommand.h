#pragma once

#include <QStringList>

#include <functional>

// One subcommand of disctool. Each cmd_*.cpp defines a static DiscToolCommand, which adds itself
// to the list that main() dispatches on.
class DiscToolCommand
{
public:
    using Handler = std::function<int(const QStringList &arguments)>;

    DiscToolCommand(const char *name, const char *usage, Handler handler);

    static const DiscToolCommand *find(const QString &name);
    static QStringList usages();

    const char *name() const { return m_name; }
    const char *usage() const { return m_usage; }
    int run(const QStringList &arguments) const { return m_handler(arguments); }

private:
    const char *m_name;
    const char *m_usage;
    Handler m_handler;
};
