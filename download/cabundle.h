#pragma once

#include <QString>

// Extra certificate authorities to trust for HTTPS, read from the PEM file named by the
// environment variable TAM_CA_BUNDLE (Qt does not honour SSL_CERT_FILE). Test and staging
// servers use it; without the variable nothing changes.
class CaBundle
{
public:
    static constexpr const char *EnvironmentVariable = "TAM_CA_BUNDLE";

    // Adds the bundle's certificates to the default SSL configuration. Only the first call in
    // a process does anything; every user of the network calls it before its first request.
    // Returns the number of certificates added by that first call.
    static int apply();

    // Adds the certificates of one PEM file; returns how many were added.
    static int addFromFile(const QString &path);
};
