<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 è già installato</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 è già installato. Eseguire di nuovo il programma di installazione?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Riavvio necessario</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Per completare l'installazione è necessario riavviare il sistema. Riavviare ora?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Per continuare, installare il pacchetto runtime VC++ 2005 SP1.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Si è verificato un errore durante l'inizializzazione dei programmi di installazione.</translation>
    </message>
</context>
</TS>
