<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>connect_scanner_dlg</name>
    <message>
        <source>Tamberlin Update</source>
        <translation>Tamberlin Update</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;Searching...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; color:#eff8fc;&quot;&gt;검색 중...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;Make sure your device is connected and powered on.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:20pt; color:#eff8fc;&quot;&gt;장치가 연결되어 있고 전원이 켜져 있는지 확인하십시오.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
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
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
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
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>Speed: calculating</source>
        <translation>속도: 계산 중</translation>
    </message>
    <message>
        <source>Time remaining: calculating</source>
        <translation>남은 시간: 계산 중</translation>
    </message>
    <message>
        <source>Speed: </source>
        <translation>속도: </translation>
    </message>
    <message>
        <source>Time remaining: </source>
        <translation>남은 시간: </translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>다운로드가 완료되었습니다.</translation>
    </message>
    <message>
        <source>To install a program, select it from the list and then click Install.</source>
        <translation>프로그램을 설치하려면 목록에서 선택한 다음 [설치]를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Download error</source>
        <translation>다운로드 오류</translation>
    </message>
    <message>
        <source>The network error code %1 occurs during the download process.</source>
        <translation>다운로드 중에 네트워크 오류(코드 %1)가 발생했습니다.</translation>
    </message>
    <message>
        <source>Download timeout</source>
        <translation>다운로드 시간 초과</translation>
    </message>
    <message>
        <source>The server site does not respond during the download process.</source>
        <translation>다운로드 중에 서버가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>The selected applications are too many to be installed at once. Please select fewer applications and try again.</source>
        <translation>선택한 응용 프로그램이 너무 많아 한 번에 설치할 수 없습니다. 응용 프로그램을 더 적게 선택한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The installation could not be prepared. Please try again.</source>
        <translation>설치를 준비할 수 없습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Installed!</source>
        <translation>설치됨!</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>Installation not finished</source>
        <translation>설치가 완료되지 않음</translation>
    </message>
    <message>
        <source>The installation was interrupted before everything you had chosen was installed. These applications are ticked again: %1. Press %2 to finish.</source>
        <translation>선택한 항목이 모두 설치되기 전에 설치가 중단되었습니다. 다음 응용 프로그램이 다시 선택되었습니다: %1. 완료하려면 [%2]을(를) 클릭하십시오.</translation>
    </message>
    <message>
        <source>Web only</source>
        <translation>웹 전용</translation>
    </message>
    <message>
        <source>This application is downloaded from the web and cannot be installed from the disc.</source>
        <translation>이 응용 프로그램은 웹에서 다운로드되므로 디스크에서 설치할 수 없습니다.</translation>
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
        <translation>다음 구성 요소를 설치하려면 선택하십시오:</translation>
    </message>
    <message>
        <source>If you see this message, something is seriously wrong.</source>
        <translation>이 메시지가 표시되면 심각한 문제가 발생한 것입니다.</translation>
    </message>
    <message>
        <source>Low on memory. Please reboot your computer and try again.</source>
        <translation>메모리가 부족합니다. 컴퓨터를 다시 시작한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Unable to locate setup_runner.exe in directory "%1".</source>
        <translation>"%1" 디렉터리에서 setup_runner.exe를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to locate path ".", which should be "%1" but isn't.</source>
        <translation>"." 경로를 찾을 수 없습니다. 이 경로는 "%1"이어야 하지만 그렇지 않습니다.</translation>
    </message>
    <message>
        <source>You do not currently have permission to install software and/or drivers. If you are being prompted by Windows User Account Control, please allow setup_runner.exe to access or make changes to your computer. Alternatively, contact your system administrator or IT group for installation help.</source>
        <translation>현재 소프트웨어 및/또는 드라이버를 설치할 권한이 없습니다. Windows 사용자 계정 컨트롤에서 확인을 요청하면 setup_runner.exe가 컴퓨터에 액세스하거나 변경할 수 있도록 허용하십시오. 또는 시스템 관리자나 IT 부서에 설치 지원을 문의하십시오.</translation>
    </message>
    <message>
        <source>Program setup_runner.exe is invalid (i.e. non-Microsoft Win32 .exe or error in .exe image).</source>
        <translation>setup_runner.exe 프로그램이 올바르지 않습니다(즉, Microsoft Win32 .exe 파일이 아니거나 .exe 이미지에 오류가 있습니다).</translation>
    </message>
    <message>
        <source>Some unknown error occurred.</source>
        <translation>알 수 없는 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Windows Update is currently installing other updates. Please try again in a few minutes.</source>
        <translation>Windows 업데이트에서 다른 업데이트를 설치하고 있습니다. 몇 분 후에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Pending restart. Please reboot your computer and try again.</source>
        <translation>다시 시작이 보류 중입니다. 컴퓨터를 다시 시작한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The download of %1 was damaged and has been deleted. Please download it again.</source>
        <translation>%1의 다운로드가 손상되어 삭제되었습니다. 다시 다운로드하십시오.</translation>
    </message>
    <message>
        <source>Installation error</source>
        <translation>설치 오류</translation>
    </message>
    <message>
        <source>%1 was not installed: the protected folder for its installer could not be prepared.</source>
        <translation>%1이(가) 설치되지 않았습니다. 설치 프로그램용 보호 폴더를 준비할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 was not installed: its installer does not match the one that was downloaded and may have been altered.</source>
        <translation>%1이(가) 설치되지 않았습니다. 설치 프로그램이 다운로드한 파일과 일치하지 않으며 변경되었을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDlg</name>
    <message>
        <source>%1 Setup</source>
        <translation>%1 설치</translation>
    </message>
    <message>
        <source>Some of your bundled software is only available online.

Please connect your device and choose &quot;Yes&quot; to check for updates and view your complete software list.</source>
        <translation>번들 소프트웨어 중 일부는 온라인으로만 제공됩니다.

장치를 연결한 다음 &quot;예&quot;를 선택하여 업데이트를 확인하고 전체 소프트웨어 목록을 확인하십시오.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Checking for setup update ...</source>
        <translation>설치 프로그램 업데이트 확인 중...</translation>
    </message>
    <message>
        <source>Check for device software update ...</source>
        <translation>장치 소프트웨어 업데이트 확인 중...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>No connection is currently available to process the requested operation.</source>
        <translation>요청한 작업을 처리할 수 있는 연결이 현재 없습니다.</translation>
    </message>
    <message>
        <source>Check for setup update ...</source>
        <translation>설치 프로그램 업데이트 확인 중...</translation>
    </message>
    <message>
        <source>Download setup update ...</source>
        <translation>설치 프로그램 업데이트 다운로드 중...</translation>
    </message>
    <message>
        <source>Uncompress setup update ...</source>
        <translation>설치 프로그램 업데이트 압축 해제 중...</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>An update address that is not secure was refused: only https is accepted.</source>
        <translation>안전하지 않은 업데이트 주소가 거부되었습니다. https만 허용됩니다.</translation>
    </message>
</context>
<context>
    <name>SelectScannerDlg</name>
    <message>
        <source>Connect your scanner; it appears here.</source>
        <translation>스캐너를 연결하십시오. 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>The software of %1 could not be merged into update.xml. Check the device again with &apos;%2&apos;.</source>
        <translation>%1의 소프트웨어를 update.xml에 병합할 수 없습니다. '%2'(으)로 장치를 다시 확인하십시오.</translation>
    </message>
    <message>
        <source>Checking for %1 updates ...</source>
        <translation>%1 업데이트 확인 중...</translation>
    </message>
    <message>
        <source>The host reports error code %1. Contact technical support.</source>
        <translation>서버에서 오류 코드 %1을(를) 보고했습니다. 기술 지원팀에 문의하십시오.</translation>
    </message>
    <message>
        <source>Timeout error. Check your Internet connection.</source>
        <translation>시간 초과 오류입니다. 인터넷 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>%1 is supported. Click &apos;%2&apos; to continue.</source>
        <translation>%1이(가) 지원됩니다. 계속하려면 [%2]을(를) 클릭하십시오.</translation>
    </message>
    <message>
        <source>%1 is not presently supported by Tamberlin Update.</source>
        <translation>%1은(는) 현재 Tamberlin Update에서 지원되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>check_update_dlg</name>
    <message>
        <source>Check for update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>질문</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
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
        <translation>업데이트할 연결된 장치를 선택하십시오</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Please install VC++ 2005 SP1 Runtime package to continue...</source>
        <translation>계속하려면 VC++ 2005 SP1 런타임 패키지를 설치하십시오.</translation>
    </message>
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
</context>
</TS>
