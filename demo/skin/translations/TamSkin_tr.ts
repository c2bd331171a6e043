<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;PDF okuyucunuz yok mu? Buradan edinin.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Bu tarayıcı için ek belgeler.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Ana menüye dön</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Kılavuzlara dön</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>%1 içeriğine göz at</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>İndirme önbelleğini temizle</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Şimdi kapat</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE tescilli markalardır. Diğer tüm adlar sahiplerine aittir.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Tarayıcınızın çalışması için gereken her şey.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Tarayıcı ve yazılımı için kılavuzlar.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Yazılım kur</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Bu tarayıcı için kurulum notları, sistem gereksinimleri ve son dakika değişiklikleri.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Kuruluyor...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Daha fazla</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Web üzerinde daha yeni sürümler var.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Önce beni oku</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Tarayıcı belgeleri</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Yazılım belgeleri</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Hız:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Teşekkürler</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Bu tarayıcıyı seçtiğiniz için teşekkürler. Kurulum programı birkaç saniye içinde kapanacak.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Kurmak istediklerinizi işaretleyin ve Kur veya İndir düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Kalan süre:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Toplam indirme boyutu:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Kullanım kılavuzları</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Destek web sitesini ziyaret et</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldiniz</translation>
    </message>
</context>
</TS>
