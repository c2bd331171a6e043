<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Aranıyor...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align="center"&gt;&lt;span style=" font-size:20pt; color:#eff8fc;"&gt;Cihazınızın bağlı ve açık olduğundan emin olun.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Lisans sözleşmesi</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Kabul ediyorum</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>Kabul etmiyorum</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Kurulum dilini seçin</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Bu kurulumun dilini aşağıdaki seçeneklerden belirleyin.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; ve Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; ve PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Çıkışı onaylayın</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Seçtiğiniz uygulamalar hâlâ kuruluyor. Kurulum diskinden çıkarsanız geçerli kurulum tamamlanır; ancak etkinleştirme veya kayıt gerekiyorsa bu otomatik olarak yapılmayabilir.  Ayrıca seçilen diğer uygulamalar kurulmaz.

Çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Kuruluyor...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Kur</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>Hız: hesaplanıyor</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>Kalan süre: hesaplanıyor</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>Hız: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>Kalan süre: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>İndirme tamamlandı.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>Bir programı kurmak için listeden seçin ve ardından Kur düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>İndirme hatası</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>İndirme sırasında %1 kodlu ağ hatası oluştu.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>İndirme zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>İndirme sırasında sunucu yanıt vermiyor.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>Seçilen uygulamalar bir kerede kurulamayacak kadar çok. Lütfen daha az uygulama seçip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>Kurulum hazırlanamadı. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>Kuruldu!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Kuruldu</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>Kurulum tamamlanmadı</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>Kurulum, seçtiğiniz her şey kurulmadan önce kesildi. Bu uygulamalar yeniden işaretlendi: %1. Tamamlamak için %2 düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>Yalnızca web</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>Bu uygulama internetten indirilir ve diskten kurulamaz.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 B/s</source>
        <translation>%1 B/sn</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation>%1 KB/sn</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/sn</translation>
    </message>
    <message>
        <source>Select to install the following components:</source>
        <translation>Aşağıdaki bileşenleri kurmak için seçin:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>Bu iletiyi görüyorsanız ciddi bir sorun var demektir.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>Bellek yetersiz. Lütfen bilgisayarınızı yeniden başlatıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>setup_runner.exe, "%1" dizininde bulunamadı.</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>"." yolu bulunamadı; bu yol "%1" olmalıydı, ancak değil.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>Şu anda yazılım ve/veya sürücü kurma izniniz yok. Windows Kullanıcı Hesabı Denetimi size soru soruyorsa, lütfen setup_runner.exe'nin bilgisayarınıza erişmesine veya değişiklik yapmasına izin verin. Aksi takdirde kurulum konusunda yardım için sistem yöneticinize veya BT biriminize başvurun.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>setup_runner.exe programı geçersiz (yani Microsoft Win32 .exe dosyası değil veya .exe görüntüsünde hata var).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update şu anda başka güncellemeler kuruyor. Lütfen birkaç dakika sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>Bekleyen bir yeniden başlatma var. Lütfen bilgisayarınızı yeniden başlatıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>%1 indirmesi hasarlıydı ve silindi. Lütfen yeniden indirin.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>Kurulum hatası</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1 kurulmadı: kurulum programı için korumalı klasör hazırlanamadı.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1 kurulmadı: kurulum programı indirilen dosyayla eşleşmiyor ve değiştirilmiş olabilir.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>%1 Kurulumu</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>Birlikte gelen yazılımların bir kısmı yalnızca çevrimiçi olarak sunulmaktadır.

Güncellemeleri denetlemek ve yazılım listenizin tamamını görmek için lütfen cihazınızı bağlayın ve &quot;Evet&quot;i seçin.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>Kurulum güncellemesi denetleniyor...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>Cihaz yazılımı güncellemesi denetleniyor...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>İstenen işlemi gerçekleştirmek için şu anda kullanılabilir bir bağlantı yok.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>Kurulum güncellemesi denetleniyor...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>Kurulum güncellemesi indiriliyor...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>Kurulum güncellemesi açılıyor...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>Güvenli olmayan bir güncelleme adresi reddedildi: yalnızca https kabul edilir.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>Tarayıcınızı bağlayın; burada görünecektir.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>%1 yazılımı update.xml dosyasına eklenemedi. Cihazı '%2' ile yeniden denetleyin.</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>%1 için güncellemeler denetleniyor...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>Sunucu %1 hata kodunu bildiriyor. Teknik destek ile iletişime geçin.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>Zaman aşımı. İnternet bağlantınızı denetleyin.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1 destekleniyor. Devam etmek için "%2" düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1 şu anda Tamberlin Update tarafından desteklenmiyor.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>Güncelleme denetimi</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Soru</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
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
        <translation>Güncellenecek bağlı bir cihaz seçin</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>Devam etmek için lütfen VC++ 2005 SP1 çalışma zamanı paketini kurun.</translation>
    </message>
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
</context>
</TS>
