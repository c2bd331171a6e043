<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
</context>
</TS>
