<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;正在搜尋...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;請確認裝置已連接並已開啟電源。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>授權合約</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>我同意</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>我不同意</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>English</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>選擇安裝語言</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>請從下列選項中選擇本次安裝使用的語言。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>光碟</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; 和 Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;、Corvex and Design&lt;sup&gt;®&lt;/sup&gt; 和 PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>確認結束</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>您選取的應用程式仍在安裝中。如果結束安裝光碟，目前的安裝程式會完成安裝；但若需要啟用或註冊，可能不會自動進行。  此外，其他選取的應用程式將不會安裝。

是否要結束？</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>正在安裝...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>速度：計算中</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>剩餘時間：計算中</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>剩餘時間：</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>下載完成。</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>若要安裝程式，請從清單中選取該程式，然後按一下「安裝」。</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>下載錯誤</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>下載過程中發生網路錯誤，錯誤碼為 %1。</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>下載逾時</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>下載過程中伺服器沒有回應。</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>選取的應用程式過多，無法一次全部安裝。請減少選取的應用程式，然後再試一次。</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>無法準備安裝。請再試一次。</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>已安裝！</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安裝</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>安裝未完成</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>安裝在您選取的所有項目安裝完成之前即已中斷。下列應用程式已重新勾選：%1。請按一下「%2」以完成安裝。</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>僅限網路</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>此應用程式需從網路下載，無法從光碟安裝。</translation>
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
        <translation>選取以安裝下列元件：</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>如果您看到此訊息，表示發生了嚴重錯誤。</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>記憶體不足。請重新啟動電腦，然後再試一次。</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>在目錄「%1」中找不到 setup_runner.exe。</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>找不到路徑「.」，該路徑應為「%1」，但實際上並非如此。</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>您目前沒有安裝軟體和/或驅動程式的權限。如果 Windows 使用者帳戶控制提示您，請允許 setup_runner.exe 存取您的電腦或對其進行變更。或者，請聯絡您的系統管理員或 IT 部門以取得安裝協助。</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>程式 setup_runner.exe 無效（亦即不是 Microsoft Win32 .exe 檔案，或 .exe 映像中有錯誤）。</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>發生未知的錯誤。</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows Update 目前正在安裝其他更新。請在幾分鐘後再試一次。</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>電腦正在等待重新啟動。請重新啟動電腦，然後再試一次。</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>%1 的下載已損毀並已刪除。請重新下載。</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>安裝錯誤</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>未安裝 %1：無法準備其安裝程式的受保護資料夾。</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>未安裝 %1：其安裝程式與下載的檔案不一致，可能已遭竄改。</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>%1 安裝程式</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>部分隨附軟體僅在線上提供。

請連接您的裝置並選擇「是」，以檢查更新並檢視完整的軟體清單。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>正在檢查安裝程式更新...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>正在檢查裝置軟體更新...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>目前沒有可用的連線來處理所要求的作業。</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>正在檢查安裝程式更新...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>正在下載安裝程式更新...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>正在解壓縮安裝程式更新...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>已拒絕不安全的更新位址：僅接受 https。</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>請連接掃描器；它將顯示在此處。</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>無法將 %1 的軟體合併至 update.xml。請使用「%2」重新檢查裝置。</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>正在檢查 %1 的更新...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>伺服器回報錯誤碼 %1。請聯絡技術支援。</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>逾時錯誤。請檢查您的網際網路連線。</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>支援 %1。按一下「%2」繼續。</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>Tamberlin Update 目前不支援 %1。</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
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
        <translation>選取要更新的已連接裝置</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>請安裝 VC++ 2005 SP1 執行階段套件，然後繼續。</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 已安裝</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 已安裝。是否要再次執行安裝程式？</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>需要重新啟動</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>必須重新啟動系統才能完成安裝。是否立即重新啟動？</translation>
    </message>
</context>
</TS>
