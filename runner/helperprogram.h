#pragma once

// setup_runner's main: the application object, the placeholder window, the translations, the
// run of the run list. Shared by the shipped helper and the variant the end-to-end tests run,
// which answer the helper's questions differently.

class HelperProgram
{
public:
    // Installs the handlers of message boxes and desktop services (MessageSeam, UrlOpener).
    using InstallSeams = void (*)();

    static int run(int argc, char *argv[], InstallSeams installSeams);
};
