<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 Is Already Installed</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 is already installed. Do you wish to run the installer again?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Reboot required</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>You must restart your system to complete the installation. Do you want to restart now?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Please install VC++ 2005 SP1 Runtime package to continue...</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Error occurred while attempting to initialize the installers.</translation>
    </message>
</context>
</TS>
