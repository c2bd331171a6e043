<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Additional material for this scanner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Back to the user guides</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Browse the %1 contents</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Clear the download cache</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Close now</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Everything you need to get your scanner working.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Guides for the scanner and for its software.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Install software</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Installation notes, system requirements and last-minute changes for this scanner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Installing...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Newer versions are available on the web.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Read me first</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Scanner documents</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Software documents</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Thank you</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Thank you for choosing this scanner. The setup program closes in a few seconds.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Tick what you want to install, then press Install or Download.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Time remaining:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Total download size:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>User guides</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Visit the support web site</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
</context>
</TS>
