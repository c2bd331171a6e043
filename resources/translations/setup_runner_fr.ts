<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 est déjà installé</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 est déjà installé. Voulez-vous exécuter de nouveau le programme d’installation ?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Vous devez redémarrer votre système pour terminer l’installation. Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Veuillez installer le package runtime VC++ 2005 SP1 pour continuer.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Une erreur s’est produite lors de l’initialisation des programmes d’installation.</translation>
    </message>
</context>
</TS>
