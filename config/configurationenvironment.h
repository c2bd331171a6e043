#pragma once

// Test and staging servers: setup and the tools take the update server's host, the maker's
// web host and extra trusted certificate authorities from the environment variables
// TAM_UPDATE_HOST, TAM_WEB_HOST and TAM_CA_BUNDLE (a PEM file), read at each use. The elevated
// helper never installs this (nor links it), so nothing in its environment decides where
// anything comes from or whom it trusts.

class ConfigurationEnvironment
{
public:
    static void install();
};
