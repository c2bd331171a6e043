<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Application</name>
    <message>
        <source>%1 Is Already Installed</source>
        <translation>%1이(가) 이미 설치되어 있음</translation>
    </message>
    <message>
        <source>%1 is already installed. Do you wish to run the installer again?</source>
        <translation>%1이(가) 이미 설치되어 있습니다. 설치 프로그램을 다시 실행하시겠습니까?</translation>
    </message>
    <message>
        <source>Reboot required</source>
        <translation>다시 시작 필요</translation>
    </message>
    <message>
        <source>You must restart your system to complete the installation. Do you want to restart now?</source>
        <translation>설치를 완료하려면 시스템을 다시 시작해야 합니다. 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>계속하려면 VC++ 2005 SP1 런타임 패키지를 설치하십시오.</translation>
    </message>
</context>
<context>
    <name>FrontEndHelper</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Error occurred while attempting to initialize the installers.</source>
        <translation>설치 프로그램을 초기화하는 동안 오류가 발생했습니다.</translation>
    </message>
</context>
</TS>
