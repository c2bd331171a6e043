<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Serve un lettore PDF? È possibile scaricarne uno qui.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Materiale aggiuntivo per questo scanner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Torna al menu principale</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Torna alle guide</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Sfoglia il contenuto del %1</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Svuota la cache dei download</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Chiudi ora</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE sono marchi registrati. Tutti gli altri nomi appartengono ai rispettivi proprietari.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Tutto ciò che serve per far funzionare lo scanner.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Guide per lo scanner e il suo software.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Installa software</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Note di installazione, requisiti di sistema e modifiche dell'ultimo minuto per questo scanner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installazione in corso...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Sono disponibili versioni più recenti sul Web.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Leggimi</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Documenti dello scanner</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Documenti del software</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Grazie</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Grazie per aver scelto questo scanner. Il programma di installazione si chiuderà tra pochi secondi.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Selezionare ciò che si desidera installare e fare clic su Installa o Scarica.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Dimensione totale del download:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Guide utente</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Visita il sito di assistenza</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
</context>
</TS>
