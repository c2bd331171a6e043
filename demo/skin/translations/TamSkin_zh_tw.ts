<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;沒有 PDF 閱讀器？請在此取得。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>本掃描器的更多資料。</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>返回主選單</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>返回使用手冊</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>瀏覽%1內容</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>清除下載快取</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>立即關閉</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE 是註冊商標。其他名稱屬於其各自的擁有者。</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>光碟</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>讓掃描器正常運作所需的一切。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>掃描器及其軟體的使用手冊。</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>安裝軟體</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>本掃描器的安裝說明、系統需求和最新變更。</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>正在安裝...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>主選單</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>網路上有較新的版本。</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>請先閱讀</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>掃描器文件</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>軟體文件</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>謝謝</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>感謝您選擇本掃描器。安裝程式將在幾秒鐘後關閉。</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>勾選要安裝的項目，然後按一下「安裝」或「下載」。</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>剩餘時間：</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>下載總大小：</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>造訪支援網站</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>歡迎</translation>
    </message>
</context>
</TS>
