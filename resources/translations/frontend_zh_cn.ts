<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;正在搜索...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;请确保设备已连接并已打开电源。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>许可协议</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>English</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>选择安装语言</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>请从下列选项中选择本次安装使用的语言。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>光盘</translation>
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
        <translation>确认退出</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>您选择的应用程序仍在安装中。如果退出安装光盘，当前的安装程序会完成安装；但如果需要激活或注册，可能不会自动进行。  此外，其他选定的应用程序将不会安装。

是否退出？</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>正在安装...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>速度：正在计算</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>剩余时间：正在计算</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>下载完成。</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>要安装程序，请在列表中选中它，然后单击“安装”。</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>下载错误</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>下载过程中发生网络错误，错误代码为 %1。</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>下载超时</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>下载过程中服务器没有响应。</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>所选应用程序过多，无法一次全部安装。请减少所选的应用程序，然后重试。</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>无法准备安装。请重试。</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>已安装！</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>安装未完成</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>安装在您选择的所有内容安装完成之前被中断。以下应用程序已重新勾选：%1。请单击“%2”完成安装。</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>仅限网络</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>此应用程序需从网络下载，无法从光盘安装。</translation>
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
        <translation>选择以安装以下组件：</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>如果您看到此消息，说明出现了严重错误。</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>内存不足。请重新启动计算机，然后重试。</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>在目录“%1”中找不到 setup_runner.exe。</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>找不到路径“.”，该路径应为“%1”，但实际并非如此。</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>您当前没有安装软件和/或驱动程序的权限。如果 Windows 用户帐户控制向您发出提示，请允许 setup_runner.exe 访问您的计算机或对其进行更改。或者，请联系您的系统管理员或 IT 部门以获取安装帮助。</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>程序 setup_runner.exe 无效（即不是 Microsoft Win32 .exe 文件，或 .exe 映像中有错误）。</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows 更新正在安装其他更新。请几分钟后重试。</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>计算机正在等待重新启动。请重新启动计算机，然后重试。</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>%1 的下载已损坏并已删除。请重新下载。</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>安装错误</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>未安装 %1：无法准备其安装程序的受保护文件夹。</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>未安装 %1：其安装程序与下载的文件不一致，可能已被篡改。</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>%1 安装程序</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>部分随附软件仅在线提供。

请连接您的设备并选择“是”，以检查更新并查看完整的软件列表。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>正在检查安装程序更新...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>正在检查设备软件更新...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>当前没有可用的连接来处理请求的操作。</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>正在检查安装程序更新...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>正在下载安装程序更新...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>正在解压缩安装程序更新...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>已拒绝不安全的更新地址：仅接受 https。</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>请连接扫描仪；它将显示在此处。</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>无法将 %1 的软件合并到 update.xml。请使用“%2”重新检查设备。</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>正在检查 %1 的更新...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>服务器报告错误代码 %1。请联系技术支持。</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>超时错误。请检查您的 Internet 连接。</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>支持 %1。单击“%2”继续。</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>Tamberlin Update 目前不支持 %1。</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
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
        <translation>选择要更新的已连接设备</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>继续</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>请安装 VC++ 2005 SP1 运行时包，然后继续。</translation>
    </message>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1 已安装</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1 已安装。是否要再次运行安装程序？</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>需要重新启动</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>必须重新启动系统才能完成安装。是否立即重新启动？</translation>
    </message>
</context>
</TS>
