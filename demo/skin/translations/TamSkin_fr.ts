<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Pas de lecteur PDF ? Obtenez-en un ici.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Documents supplémentaires pour ce scanner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Retour aux guides</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Parcourir le contenu du %1</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Vider le cache de téléchargement</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Fermer maintenant</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE sont des marques déposées. Les autres noms appartiennent à leurs propriétaires.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Tout ce qu’il faut pour faire fonctionner votre scanner.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Guides du scanner et de ses logiciels.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Installer des logiciels</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Notes d’installation, configuration requise et dernières modifications pour ce scanner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installation...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Des versions plus récentes sont disponibles sur le Web.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>À lire en premier</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Documents du scanner</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Documents des logiciels</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Merci d’avoir choisi ce scanner. Le programme d’installation se ferme dans quelques secondes.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Cochez ce que vous voulez installer, puis cliquez sur Installer ou Télécharger.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Taille totale à télécharger :</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Guides d’utilisation</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Visiter le site d’assistance</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
</context>
</TS>
