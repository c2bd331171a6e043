<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Application</name>
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
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>请安装 VC++ 2005 SP1 运行时包，然后继续。</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>初始化安装程序时出错。</translation>
    </message>
</context>
</TS>
