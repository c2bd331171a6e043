#pragma once

// The system's DNS-SD responder service, "Bonjour Service", running for as long as this object
// lives. The simulated machine only records it as running; on Windows the stand-in responder
// (program) is registered with the service manager and started, and removed again afterwards.

#include <filesystem>

class ResponderService
{
public:
    explicit ResponderService(const std::filesystem::path &program);
    ~ResponderService();
    ResponderService(const ResponderService &) = delete;
    ResponderService &operator=(const ResponderService &) = delete;

    bool running() const { return m_running; }

private:
    bool m_running = false;
};
