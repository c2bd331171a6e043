<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>J'accepte</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Je n'accepte pas</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Choisir la langue d'installation</translation>
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
        <translation>Les applications sélectionnées sont encore en cours d'installation. Si vous quittez le disque d'installation, l'installation en cours se terminera ; toutefois, l'activation ou l'enregistrement éventuellement requis risque de ne pas se faire automatiquement.  De plus, les autres applications sélectionnées ne seront pas installées.

Voulez-vous quitter ?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installation...</translation>
    </message>
</context>
</TS>
