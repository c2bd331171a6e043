<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 Zaten Kurulu</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 zaten kurulu. Kurulum programını yeniden çalıştırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>Yeniden başlatma gerekli</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>Kurulumu tamamlamak için sisteminizi yeniden başlatmanız gerekir. Şimdi yeniden başlatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Devam etmek için lütfen VC++ 2005 SP1 çalışma zamanı paketini kurun.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>Kurulum programları başlatılırken bir hata oluştu.</translation>
    </message>
</context>
</TS>
