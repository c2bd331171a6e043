<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;没有 PDF 阅读器？请在此获取。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>本扫描仪的更多资料。</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>返回主菜单</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>返回用户指南</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>浏览%1内容</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>清除下载缓存</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>立即关闭</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE 是注册商标。其他名称归其各自所有者所有。</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>光盘</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>让扫描仪正常工作所需的一切。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>扫描仪及其软件的使用指南。</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>安装软件</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>本扫描仪的安装说明、系统要求和最新变更。</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>正在安装...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>网上有更新的版本。</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>请先阅读</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>扫描仪文档</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>软件文档</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>谢谢</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>感谢您选择本扫描仪。安装程序将在几秒钟后关闭。</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>勾选要安装的项目，然后单击“安装”或“下载”。</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>下载总大小：</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>访问支持网站</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
</context>
</TS>
