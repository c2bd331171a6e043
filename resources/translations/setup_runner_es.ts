<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 ya está instalado</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 ya está instalado. ¿Desea ejecutar el instalador de nuevo?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Debe reiniciar el sistema para completar la instalación. ¿Desea reiniciar ahora?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Instale el paquete de tiempo de ejecución VC++ 2005 SP1 para continuar.</translation>
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
        <translation>Se ha producido un error al inicializar los instaladores.</translation>
    </message>
</context>
</TS>
