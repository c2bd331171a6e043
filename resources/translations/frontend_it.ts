<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Accetto</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Non accetto</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Scegliere la lingua di installazione</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Selezionare qui sotto la lingua per questa installazione.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; e Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; e PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Conferma uscita</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Le applicazioni selezionate sono ancora in fase di installazione. Se si esce dal disco di installazione, il programma di installazione in corso verrà completato; tuttavia, l'eventuale attivazione o registrazione richiesta potrebbe non avvenire automaticamente.  Inoltre, le altre applicazioni selezionate non verranno installate.

Uscire comunque?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installazione in corso...</translation>
    </message>
</context>
</TS>
