<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Ricerca in corso...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Assicurarsi che il dispositivo sia collegato e acceso.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
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
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
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
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Velocità: calcolo in corso</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Tempo rimanente: calcolo in corso</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Velocità: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Tempo rimanente: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Download completato.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Per installare un programma, selezionarlo nell'elenco e fare clic su Installa.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Errore di download</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>Durante il download si è verificato l'errore di rete %1.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Timeout del download</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>Il server non risponde durante il download.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Le applicazioni selezionate sono troppe per essere installate in una sola volta. Selezionare meno applicazioni e riprovare.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>Impossibile preparare l'installazione. Riprovare.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Installato!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Installazione non completata</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>L'installazione è stata interrotta prima che fosse installato tutto ciò che era stato scelto. Queste applicazioni sono di nuovo selezionate: %1. Fare clic su %2 per completarla.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Solo online</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Questa applicazione viene scaricata dal Web e non può essere installata dal disco.</translation>
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
        <translation>Selezionare per installare i seguenti componenti:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Se viene visualizzato questo messaggio, si è verificato un problema grave.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Memoria insufficiente. Riavviare il computer e riprovare.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Impossibile trovare setup_runner.exe nella cartella "%1".</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Impossibile trovare il percorso ".", che dovrebbe essere "%1" ma non lo è.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Al momento non si dispone dell'autorizzazione per installare software e/o driver. Se viene visualizzata una richiesta di Controllo account utente di Windows, consentire a setup_runner.exe di accedere al computer o di apportarvi modifiche. In alternativa, rivolgersi all'amministratore di sistema o al reparto IT per assistenza con l'installazione.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>Il programma setup_runner.exe non è valido (ovvero non è un file .exe Win32 di Microsoft oppure l'immagine .exe contiene un errore).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update sta installando altri aggiornamenti. Riprovare tra qualche minuto.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Riavvio in sospeso. Riavviare il computer e riprovare.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>Il download di %1 era danneggiato ed è stato eliminato. Scaricarlo di nuovo.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Errore di installazione</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 non è stato installato: non è stato possibile preparare la cartella protetta per il suo programma di installazione.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 non è stato installato: il suo programma di installazione non corrisponde a quello scaricato e potrebbe essere stato alterato.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>Installazione di %1</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Parte del software in dotazione è disponibile solo online.

Collegare il dispositivo e scegliere &quot;Sì&quot; per cercare gli aggiornamenti e visualizzare l'elenco completo del software.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Ricerca di aggiornamenti del programma di installazione...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Ricerca di aggiornamenti del software del dispositivo...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>Nessuna connessione disponibile per eseguire l'operazione richiesta.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Ricerca di aggiornamenti del programma di installazione...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Download dell'aggiornamento del programma di installazione...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Decompressione dell'aggiornamento del programma di installazione...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Un indirizzo di aggiornamento non sicuro è stato rifiutato: è accettato solo https.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Collegare lo scanner; verrà visualizzato qui.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>Il software di %1 non è stato integrato in update.xml. Verificare di nuovo il dispositivo con «%2».</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Ricerca di aggiornamenti per %1...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>Il server segnala il codice di errore %1. Contattare l'assistenza tecnica.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Tempo scaduto. Verificare la connessione a Internet.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 è supportato. Fare clic su "%2" per continuare.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 non è attualmente supportato da Tamberlin Update.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Selezionare un dispositivo collegato da aggiornare</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Procedi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Per continuare, installare il pacchetto runtime VC++ 2005 SP1.</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 è già installato</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 è già installato. Eseguire di nuovo il programma di installazione?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Riavvio necessario</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Per completare l'installazione è necessario riavviare il sistema. Riavviare ora?</translation>
    </message>
</context>
</TS>
