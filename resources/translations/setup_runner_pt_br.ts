<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 já está instalado</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 já está instalado. Deseja executar o instalador novamente?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Reinicialização necessária</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Você precisa reiniciar o sistema para concluir a instalação. Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Instale o pacote de tempo de execução do VC++ 2005 SP1 para continuar.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Ocorreu um erro ao inicializar os instaladores.</translation>
    </message>
</context>
</TS>
