<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Ich stimme zu</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Ich stimme nicht zu</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Sprache für die Installation wählen</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Wählen Sie unten die Sprache für diese Installation aus.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; und Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; und PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Beenden bestätigen</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Die ausgewählten Anwendungen werden noch installiert. Wenn Sie die Installations-DVD jetzt verlassen, wird das laufende Installationsprogramm zwar abgeschlossen, eine erforderliche Aktivierung oder Registrierung erfolgt aber möglicherweise nicht automatisch.  Außerdem werden die übrigen ausgewählten Anwendungen nicht installiert.

Möchten Sie wirklich beenden?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Wird installiert...</translation>
    </message>
</context>
</TS>
