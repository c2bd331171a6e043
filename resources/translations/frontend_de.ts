<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Suche läuft...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Vergewissern Sie sich, dass Ihr Gerät angeschlossen und eingeschaltet ist.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
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
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
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
        <translation>Die ausgewählten Anwendungen werden noch installiert. Wenn Sie das Menü der Installations-DVD jetzt beenden, wird das laufende Installationsprogramm zwar abgeschlossen, eine erforderliche Aktivierung oder Registrierung erfolgt aber möglicherweise nicht automatisch.  Außerdem werden die übrigen ausgewählten Anwendungen nicht installiert.

Möchten Sie wirklich beenden?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Wird installiert...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Geschwindigkeit: wird berechnet</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Verbleibende Zeit: wird berechnet</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Geschwindigkeit: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Verbleibende Zeit: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Download abgeschlossen.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Um ein Programm zu installieren, wählen Sie es in der Liste aus und klicken Sie dann auf „Installieren“.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Downloadfehler</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>Beim Herunterladen ist der Netzwerkfehler %1 aufgetreten.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Zeitüberschreitung beim Download</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>Der Server antwortet beim Herunterladen nicht.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Es sind zu viele Anwendungen ausgewählt, um sie in einem Durchgang zu installieren. Bitte wählen Sie weniger Anwendungen aus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>Die Installation konnte nicht vorbereitet werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Installiert!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Installation nicht abgeschlossen</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>Die Installation wurde unterbrochen, bevor alles Ausgewählte installiert war. Diese Anwendungen sind wieder angekreuzt: %1. Klicken Sie auf %2, um sie abzuschließen.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Nur online</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Diese Anwendung wird aus dem Internet heruntergeladen und kann nicht von der DVD installiert werden.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <translation>%1 B/s</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>Select to install the following components:</source>
        <translation>Zum Installieren der folgenden Komponenten auswählen:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Wenn Sie diese Meldung sehen, liegt ein schwerwiegender Fehler vor.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Nicht genügend Arbeitsspeicher. Bitte starten Sie den Computer neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Die Datei setup_runner.exe wurde im Ordner „%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Der Pfad „.“ wurde nicht gefunden; er sollte „%1“ sein, ist es aber nicht.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Sie haben derzeit keine Berechtigung, Software und/oder Treiber zu installieren. Wenn Sie von der Windows-Benutzerkontensteuerung gefragt werden, erlauben Sie setup_runner.exe bitte, auf Ihren Computer zuzugreifen oder Änderungen daran vorzunehmen. Wenden Sie sich andernfalls an Ihren Systemadministrator oder Ihre IT-Abteilung, um Hilfe bei der Installation zu erhalten.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>Das Programm setup_runner.exe ist ungültig (d. h. keine Win32-EXE-Datei von Microsoft oder ein Fehler im EXE-Abbild).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update installiert gerade andere Updates. Bitte versuchen Sie es in einigen Minuten erneut.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Ein Neustart steht aus. Bitte starten Sie den Computer neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>Der Download von %1 war beschädigt und wurde gelöscht. Bitte laden Sie ihn erneut herunter.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Installationsfehler</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 wurde nicht installiert: Der geschützte Ordner für das Installationsprogramm konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 wurde nicht installiert: Das Installationsprogramm stimmt nicht mit dem heruntergeladenen überein und wurde möglicherweise verändert.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>%1 Setup</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Ein Teil der mitgelieferten Software ist nur online erhältlich.

Bitte schließen Sie Ihr Gerät an und wählen Sie „Ja“, um nach Updates zu suchen und Ihre vollständige Softwareliste anzuzeigen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Suche nach einem Update des Installationsprogramms...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Suche nach einem Update der Gerätesoftware...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>Derzeit ist keine Verbindung verfügbar, um den angeforderten Vorgang auszuführen.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Suche nach einem Update des Installationsprogramms...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Update des Installationsprogramms wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Update des Installationsprogramms wird entpackt...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Eine unsichere Update-Adresse wurde abgelehnt: Nur https wird akzeptiert.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Schließen Sie Ihren Scanner an; er erscheint dann hier.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>Die Software für %1 konnte nicht in update.xml übernommen werden. Prüfen Sie das Gerät erneut mit „%2“.</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Suche nach Updates für %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>Der Server meldet den Fehlercode %1. Wenden Sie sich an den technischen Support.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Zeitüberschreitung. Überprüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 wird unterstützt. Klicken Sie auf „%2“, um fortzufahren.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 wird von Tamberlin Update derzeit nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Wählen Sie das angeschlossene Gerät aus, das aktualisiert werden soll</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Bitte installieren Sie das Laufzeitpaket VC++ 2005 SP1, um fortzufahren.</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 ist bereits installiert</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 ist bereits installiert. Möchten Sie das Installationsprogramm erneut ausführen?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Sie müssen Ihr System neu starten, um die Installation abzuschließen. Möchten Sie jetzt neu starten?</translation>
    </message>
</context>
</TS>
