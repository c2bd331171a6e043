<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Kein PDF-Reader? Hier gibt es einen.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Weiteres Material zu diesem Scanner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Zurück zu den Handbüchern</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Inhalt der %1 anzeigen</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Download-Cache leeren</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Jetzt schließen</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE sind eingetragene Marken. Alle anderen Namen gehören ihren Inhabern.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Alles, was Ihr Scanner zum Arbeiten braucht.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Handbücher zum Scanner und zu seiner Software.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Software installieren</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Installationshinweise, Systemvoraussetzungen und letzte Änderungen zu diesem Scanner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Wird installiert...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Neuere Versionen sind im Internet verfügbar.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Bitte zuerst lesen</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Scanner-Dokumente</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Software-Dokumente</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Vielen Dank</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Vielen Dank, dass Sie sich für diesen Scanner entschieden haben. Das Installationsprogramm wird in wenigen Sekunden beendet.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Wählen Sie aus, was installiert werden soll, und klicken Sie auf „Installieren“ oder „Herunterladen“.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Gesamte Download-Größe:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Handbücher</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Support-Website besuchen</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
</context>
</TS>
