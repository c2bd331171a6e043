#pragma once

// The exit codes of the unattended path: those of Windows Installer, which deployment tools
// read (0 and 3010 as success, 1618 as "try again later", anything else as failure). /detect
// answers with NotInstalled when something selected is missing.

namespace DeployExitCode {

enum Code {
    Success = 0,
    NotInstalled = 1,
    BadArguments = 87,            // ERROR_INVALID_PARAMETER
    Cancelled = 1602,             // ERROR_INSTALL_USEREXIT
    Failure = 1603,               // ERROR_INSTALL_FAILURE
    AnotherInstallRunning = 1618, // ERROR_INSTALL_ALREADY_RUNNING
    ProductUnreadable = 1620,     // ERROR_INSTALL_PACKAGE_INVALID
    LogUnwritable = 1622,         // ERROR_INSTALL_LOG_FAILURE
    RestartRequired = 3010,       // ERROR_SUCCESS_REBOOT_REQUIRED
};

// 1641 (ERROR_SUCCESS_REBOOT_INITIATED): what an installer returns when it has started the
// restart itself. Like 3010 from an installer, it means the restart is still to come.
constexpr int RestartInitiated = 1641;

} // namespace DeployExitCode
