// What setup_runner's end-to-end tests share. The test plays the front end: it creates the
// segment, writes the run list for a selection from a catalogue on a scratch disc (the demo's
// installers laid out under the catalogue's names), starts the helper with key and language as
// setup does, and polls the segment every 100 ms. A test class derives from the fixture and
// calls setUpMachine() and tearDownMachine() from its own init() and cleanup(): the fixture
// declares no slots, since QtTest would run inherited ones as tests.

#pragma once

#include "application.h"
#include "catalogtestsupport.h"
#include "demodiscfixture.h"
#include "executable.h"
#include "hostpath.h"
#include "process.h"
#include "protectedfolder.h"
#include "registry.h"
#include "runlistxml.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "setupsettings.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// The variant that logs its boxes; the shipped one is only looked at.
inline const QString helperProgram = QStringLiteral(TAM_SETUP_RUNNER);
inline const QString shippedHelperProgram = QStringLiteral(TAM_SHIPPED_SETUP_RUNNER);

// Slashes in the URL are written as references: moc takes a double slash in a raw string for
// the start of a comment.
inline const char catalogue[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Scanner ShortName="T-1" LongName="Test Scanner" PID="0a42" Skin="None" Brand="Tamberlin">
  <supportedlanguages><language IsoCode="en"/><language IsoCode="de"/></supportedlanguages>
  <application ShortName="Driver">
    <displayname><string Language="*" Value="Test Driver"/></displayname>
    <installationplatform Value="all">
      <installer DisplayName="Test driver" NeedsWaitScreen="true" WaitScreenImage="wait.png"
                 Executable="$SetupPath$\Drivers\DriverSetup.exe"
                 CommandLine="/code={11111111-2222-3333-4444-555555555555} /name=&quot;Test Driver é Сканер&quot; /version=2.0">
        <checker Type="installer" QueryValue="{11111111-2222-3333-4444-555555555555}"
                 MatchValue="2.0" MatchMode="isequalornewer"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Utility">
    <displayname><string Language="*" Value="Test &amp; Utility &lt;2&gt;"/></displayname>
    <installationplatform Value="all">
      <installer Order="1" DisplayName="Runtime"
                 Executable="$SetupPath$\Software\RuntimeSetup.exe"
                 CommandLine="/code={AAAAAAAA-2222-3333-4444-555555555555} /name=Runtime">
        <checker Type="installer" QueryValue="{AAAAAAAA-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
      <installer Order="2" DisplayName="Utility"
                 Executable="$SetupPath$\Software\UtilitySetup.exe"
                 CommandLine="/code={BBBBBBBB-2222-3333-4444-555555555555} /name=Utility">
        <checker Type="installer" QueryValue="{BBBBBBBB-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Ocr">
    <displayname><string Language="*" Value="Text Recognition"/></displayname>
    <installationplatform Value="all">
      <installer DisplayName="Text recognition" url="https:&#47;&#47;www.tamberlin.com/Downloads/Ocr.cab"
                 TargetPath="$SetupPath$\Payload\TextRecognition.cab" compression="cab"
                 Executable="$SetupPath$\Payload\OcrSetup.exe"
                 CommandLine="/S /code={3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B} /name=&quot;Tamberlin Text Recognition&quot;">
        <checker Type="displayname" QueryValue="Tamberlin Text Recognition" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Slow">
    <displayname><string Language="*" Value="Slow Utility"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Software\UtilitySetup.exe" CommandLine="/code={DDDDDDDD-2222-3333-4444-555555555555} /name=Slow /delay=2000">
        <checker Type="installer" QueryValue="{DDDDDDDD-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
  <application ShortName="Other">
    <displayname><string Language="*" Value="Not selected"/></displayname>
    <installationplatform Value="all">
      <installer Executable="$SetupPath$\Software\UtilitySetup.exe" CommandLine="/code={CCCCCCCC-2222-3333-4444-555555555555} /name=Other">
        <checker Type="installer" QueryValue="{CCCCCCCC-2222-3333-4444-555555555555}" MatchMode="exists"/>
      </installer>
    </installationplatform>
  </application>
</Scanner>
)";

struct Message
{
    int type;
    int value1;
    int value2;
    bool operator==(const Message &other) const
    {
        return type == other.type && value1 == other.value1 && value2 == other.value2;
    }
};

inline char *toString(const Message &m)
{
    return qstrdup(QByteArray("(" + QByteArray::number(m.type) + "," + QByteArray::number(m.value1)
                              + "," + QByteArray::number(m.value2) + ")")
                           .constData());
}

// The run's course without the programs each installer started and how they ended.
inline QList<Message> withoutPrograms(QList<Message> messages)
{
    messages.erase(std::remove_if(messages.begin(),
                                  messages.end(),
                                  [](const Message &m) {
                                      return m.type == ProgramStarted || m.type == ProgramEnded;
                                  }),
                   messages.end());
    return messages;
}

inline QString uninstallKeyOf(const QString &code)
{
    return QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + code;
}

inline sys::RegKey uninstallEntry(const QString &code)
{
    return sys::RegKey::open(sys::RegRoot::LocalMachine,
                             uninstallKeyOf(code).toStdWString(),
                             sys::RegAccess::Read | sys::RegAccess::Wow64_64Key);
}

inline bool isUninstallEntry(const QString &code)
{
    return uninstallEntry(code).isOpen();
}

inline QString uninstallDisplayName(const QString &code)
{
    std::wstring name;
    return uninstallEntry(code).readString(L"DisplayName", name) ? QString::fromStdWString(name)
                                                                 : QString();
}

// Where the helper keeps its copies of downloads, as a host path.
inline QString payloadCache()
{
    return QString::fromStdString(sys::toHostPath(sys::payloadCacheFolder()));
}

inline QStringList payloadCacheEntries()
{
    return QDir(payloadCache()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// Wine keeps no ACL on files (it makes one from the Unix mode, which lets the user write), so
// there the helper finds no folder it may trust and runs no downloaded installer.
inline bool underWine()
{
    return qEnvironmentVariableIsSet("WINELOADER");
}
inline const char wineKeepsNoAcls[]
        = "Wine keeps no ACL on files: the helper refuses every download";

// setup_runner's main() returns -1 for a refused start: a Windows parent reads all 32 bits of
// that, a POSIX parent only the low eight.
inline int minusOneExitCode()
{
    return QSysInfo::kernelType() == QLatin1String("winnt") ? -1 : 255;
}

class SetupRunnerFixture : public QObject
{
protected:
    void setUpMachine()
    {
        m_machine.reset(new ScratchMachine);
        qputenv("TAM_MACHINE", m_machine->path(QStringLiteral("machine")).toLocal8Bit());
        m_log = m_machine->path(QStringLiteral("messages.txt"));
        qputenv("TAM_MESSAGE_LOG", m_log.toLocal8Bit());
        const QString disc = m_machine->discPath();
        QVERIFY(DemoDiscFixture::layOut(disc,
                                        {QStringLiteral("Drivers/DriverSetup.exe"),
                                         QStringLiteral("Software/RuntimeSetup.exe"),
                                         QStringLiteral("Software/UtilitySetup.exe")}));
        m_machine->writeFile(QStringLiteral("disc/scanner_win.xml"), catalogue);
        m_key = QStringLiteral("TamRunnerTest-%1").arg(QCoreApplication::applicationPid());
        m_segment = new QSharedMemory(m_key);
        QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);
    }

    void tearDownMachine()
    {
        delete m_segment;
        m_segment = nullptr;
        qunsetenv("TAM_MESSAGE_LOG");
        m_machine.reset();
    }

    QString runListFor(const QStringList &selection)
    {
        MessageRecorder recorder;
        ScannerInfo info;
        info.setLanguage(QStringLiteral("en_us"));
        const QString product = m_machine->path(QStringLiteral("disc/scanner_win.xml"));
        info.loadLanguages(product);
        if (!info.load(product, true, false))
            return QString();
        QString elements;
        int order = 0;
        for (Application *application : info.applications()) {
            if (selection.contains(application->shortName()))
                elements += application->toRunList(++order);
        }
        return elements;
    }

    QList<Message> pollUntilEnd(int timeoutMs)
    {
        QList<Message> messages;
        QElapsedTimer timer;
        timer.start();
        bool ended = false;
        while (!ended && timer.elapsed() < timeoutMs) {
            QTest::qWait(100);
            FrontEndSegment::consumeMessages(m_segment, [&](const MessageSlot &slot) {
                messages.append({slot.type, slot.value1, slot.value2});
                ended = ended || slot.type == RunFinished || slot.type == RunInterrupted;
            });
        }
        return messages;
    }

    QStringList loggedMessages() const
    {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The catalogue with one more application, "Web", whose installer downloads
    // WebSetup.exe and has the given attributes; its run list.
    QString webRunList(const QString &installerAttributes, const QString &code)
    {
        QByteArray product(catalogue);
        product.replace(
                "</Scanner>",
                QStringLiteral("<application ShortName=\"Web\"><installationplatform "
                               "Value=\"all\"><installer url=\"https:&#47;&#47;"
                               "www.tamberlin.com/WebSetup.exe\" %1><checker "
                               "Type=\"installer\" QueryValue=\"%2\" MatchMode=\"exists\"/>"
                               "</installer></installationplatform></application></Scanner>")
                        .arg(installerAttributes, code)
                        .toUtf8());
        m_machine->writeFile(QStringLiteral("disc/scanner_win.xml"), product);
        return runListFor({QStringLiteral("Web")});
    }

    // Starts the helper on the run list as setup does and returns what it reported.
    QList<Message> runHelper(const QString &elements, const QString &rootAttributes = QString())
    {
        if (FrontEndSegment::writeRunList(m_segment, elements, rootAttributes)
            != FrontEndSegment::WriteResult::Written)
            return {};
        QProcess helper;
        helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
        if (!helper.waitForFinished(30000) || helper.exitCode() != 0)
            return {};
        return pollUntilEnd(1000);
    }

    QScopedPointer<ScratchMachine> m_machine;
    QSharedMemory *m_segment = nullptr;
    QString m_key;
    QString m_log;
};
