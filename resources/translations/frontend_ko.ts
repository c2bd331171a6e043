<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>동의함</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>동의 안 함</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>설치 언어 선택</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>아래에서 설치에 사용할 언어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; 및 Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; 및 PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>종료 확인</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>선택한 응용 프로그램을 아직 설치하는 중입니다. 설치 디스크를 종료하면 현재 설치 프로그램은 완료되지만, 정품 인증이나 등록이 필요한 경우 자동으로 진행되지 않을 수 있습니다.  또한 선택한 다른 응용 프로그램은 설치되지 않습니다.

종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>설치하는 중...</translation>
    </message>
</context>
</TS>
