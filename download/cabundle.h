#pragma once

#include <QString>

#include <functional>

// Extra certificate authorities to trust for HTTPS, from a PEM file (Qt does not honour
// SSL_CERT_FILE). Test and staging servers use it. Where the file comes from is set by the
// program: setup and the tools take it from the environment (ConfigurationEnvironment), the
// elevated helper from nowhere; without a source nothing changes.
class CaBundle
{
public:
    // Returns the PEM file to read, or an empty text for none.
    using Source = std::function<QString()>;
    static void setSource(Source source);

    // Adds the bundle's certificates to the default SSL configuration. Only the first call in
    // a process does anything; every user of the network calls it before its first request.
    // Returns the number of certificates added by that first call.
    static int apply();

    // Adds the certificates of one PEM file; returns how many were added.
    static int addFromFile(const QString &path);
};
