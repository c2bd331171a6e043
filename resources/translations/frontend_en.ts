<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>License agreement</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>I agree</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>I do not agree</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Choose Setup Language</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Select the language for this installation from the choices below.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Confirm Exit</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installing...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Speed: calculating</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Time remaining: calculating</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Speed: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Time remaining: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Download completed.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>To install a program, select it from the list and then click Install.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>Download error</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>The network error code %1 occurs during the download process.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>Download timeout</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>The server site does not respond during the download process.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>The selected applications are too many to be installed at once. Please select fewer applications and try again.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>The installation could not be prepared. Please try again.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Installed!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Installation not finished</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Web only</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>This application is downloaded from the web and cannot be installed from the disc.</translation>
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
        <translation>Select to install the following components:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>If you see this message, something is seriously wrong.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Low on memory. Please reboot your computer and try again.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>Unable to locate setup_runner.exe in directory "%1".</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>Unable to locate path ".", which should be "%1" but isn't.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Some unknown error occurred.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update is currently installing other updates. Please try again in a few minutes.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Pending restart. Please reboot your computer and try again.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>The download of %1 was damaged and has been deleted. Please download it again.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Installation error</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 was not installed: the protected folder for its installer could not be prepared.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</translation>
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
        <translation>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Checking for setup update ...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Check for device software update ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>No connection is currently available to process the requested operation.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Check for setup update ...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Download setup update ...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Uncompress setup update ...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>An update address that is not secure was refused: only https is accepted.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Connect your scanner; it appears here.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>The software of %1 could not be merged into update.xml. Check the device again with '%2'.</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>Checking for %1 updates ...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>The host reports error code %1. Contact technical support.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Timeout error. Check your Internet connection.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 is supported. Click &apos;%2&apos; to continue.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 is not presently supported by Tamberlin Update.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Check for update</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
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
        <translation>Select a connected device to update</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Proceed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Please install VC++ 2005 SP1 Runtime package to continue...</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 Is Already Installed</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 is already installed. Do you wish to run the installer again?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Reboot required</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>You must restart your system to complete the installation. Do you want to restart now?</translation>
    </message>
</context>
</TS>
