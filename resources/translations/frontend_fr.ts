<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Recherche en cours...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Vérifiez que votre appareil est connecté et sous tension.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>J’accepte</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Je n’accepte pas</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Choisir la langue d’installation</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Choisissez ci-dessous la langue de cette installation.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; et Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; et PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Confirmer la sortie</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Les applications sélectionnées sont encore en cours d’installation. Si vous quittez maintenant le menu du disque d’installation, le programme d’installation en cours ira jusqu’au bout ; toutefois, l’activation ou l’enregistrement éventuellement requis risque de ne pas se faire automatiquement.  De plus, les autres applications sélectionnées ne seront pas installées.

Voulez-vous quitter ?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installation...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Vitesse : calcul en cours</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Temps restant : calcul en cours</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Vitesse : </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Temps restant : </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Téléchargement terminé.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Pour installer un programme, sélectionnez-le dans la liste, puis cliquez sur Installer.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>L’erreur réseau %1 s’est produite pendant le téléchargement.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Délai de téléchargement dépassé</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>Le serveur ne répond pas pendant le téléchargement.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Les applications sélectionnées sont trop nombreuses pour être installées en une seule fois. Sélectionnez moins d’applications, puis réessayez.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>L’installation n’a pas pu être préparée. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Installé !</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Installation inachevée</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>L’installation a été interrompue avant que tout ce que vous aviez choisi soit installé. Ces applications sont de nouveau cochées : %1. Cliquez sur %2 pour terminer.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Web uniquement</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Cette application est téléchargée depuis le Web et ne peut pas être installée depuis le disque.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <translation>%1 o/s</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation>%1 Ko/s</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <source>Select to install the following components:</source>
        <translation>Sélectionnez pour installer les composants suivants :</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Si vous voyez ce message, un problème grave est survenu.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Mémoire insuffisante. Redémarrez votre ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Impossible de trouver setup_runner.exe dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Impossible de trouver le chemin « . », qui devrait être « %1 », mais ne l’est pas.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Vous n’avez actuellement pas l’autorisation d’installer des logiciels et/ou des pilotes. Si le Contrôle de compte d’utilisateur de Windows vous le demande, autorisez setup_runner.exe à accéder à votre ordinateur ou à y apporter des modifications. Sinon, contactez votre administrateur système ou votre service informatique pour obtenir de l’aide sur l’installation.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>Le programme setup_runner.exe n’est pas valide (c.-à-d. ce n’est pas un fichier .exe Win32 de Microsoft ou l’image .exe contient une erreur).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Une erreur inconnue s’est produite.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update est en train d’installer d’autres mises à jour. Veuillez réessayer dans quelques minutes.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Un redémarrage est en attente. Redémarrez votre ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>Le téléchargement de %1 était endommagé et a été supprimé. Veuillez le télécharger à nouveau.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Erreur d’installation</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 n’a pas été installé : le dossier protégé de son programme d’installation n’a pas pu être préparé.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 n’a pas été installé : son programme d’installation ne correspond pas à celui qui a été téléchargé et a peut-être été modifié.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>Installation de %1</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Une partie des logiciels fournis n’est disponible qu’en ligne.

Connectez votre appareil et choisissez « Oui » pour rechercher des mises à jour et afficher la liste complète de vos logiciels.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Recherche d’une mise à jour du programme d’installation...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Recherche d’une mise à jour du logiciel de l’appareil...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>Aucune connexion n’est disponible pour effectuer l’opération demandée.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Recherche d’une mise à jour du programme d’installation...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Téléchargement de la mise à jour du programme d’installation...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Décompression de la mise à jour du programme d’installation...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Une adresse de mise à jour non sécurisée a été refusée : seul https est accepté.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Connectez votre scanner ; il apparaîtra ici.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>Les logiciels de %1 n’ont pas pu être intégrés à update.xml. Vérifiez de nouveau l’appareil avec « %2 ».</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Recherche de mises à jour pour %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>Le serveur signale le code d’erreur %1. Contactez l’assistance technique.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Délai dépassé. Vérifiez votre connexion Internet.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 est pris en charge. Cliquez sur « %2 » pour continuer.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 n’est actuellement pas pris en charge par Tamberlin Update.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>select_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>Select a connected device to update</source>
        <translation>Sélectionnez un appareil connecté à mettre à jour</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Veuillez installer le package runtime VC++ 2005 SP1 pour continuer.</translation>
    </message>
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
</context>
</TS>
