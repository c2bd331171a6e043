<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;PDF 뷰어가 없으신가요? 여기에서 받으십시오.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>이 스캐너의 추가 자료입니다.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>주 메뉴로 돌아가기</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>사용 설명서로 돌아가기</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>%1 내용 찾아보기</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>다운로드 캐시 비우기</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>지금 닫기</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE은(는) 등록 상표입니다. 그 밖의 모든 이름은 해당 소유자의 것입니다.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>스캐너를 사용하는 데 필요한 모든 것.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>스캐너와 소프트웨어 사용 설명서.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>소프트웨어 설치</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>이 스캐너의 설치 참고 사항, 시스템 요구 사항 및 최신 변경 내용.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>설치하는 중...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>주 메뉴</translation>
    </message>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>웹에서 새 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>먼저 읽어 보십시오</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>스캐너 문서</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>소프트웨어 문서</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>감사합니다</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>이 스캐너를 선택해 주셔서 감사합니다. 설치 프로그램이 몇 초 후에 닫힙니다.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>설치할 항목을 선택한 다음 [설치] 또는 [다운로드]를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>남은 시간:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>전체 다운로드 크기:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>사용 설명서</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>지원 웹 사이트 방문</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>웹</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
</context>
</TS>
