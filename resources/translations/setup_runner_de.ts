<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 ist bereits installiert</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 ist bereits installiert. Möchten Sie das Installationsprogramm erneut ausführen?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Sie müssen Ihr System neu starten, um die Installation abzuschließen. Möchten Sie jetzt neu starten?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Bitte installieren Sie das Laufzeitpaket VC++ 2005 SP1, um fortzufahren.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Beim Initialisieren der Installationsprogramme ist ein Fehler aufgetreten.</translation>
    </message>
</context>
</TS>
