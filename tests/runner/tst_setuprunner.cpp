// setup_runner end to end, with this test in the front end's part (setuprunnerfixture.h): what
// it installs, in which language, how it refuses a bad start, and what ends it. How it runs
// downloaded installers only from copies it checked is tst_checkedcopy's.

#include "setuprunnerfixture.h"

class TestSetupRunner : public SetupRunnerFixture
{
    Q_OBJECT

private slots:
    void init() { setUpMachine(); }
    void cleanup() { tearDownMachine(); }
    void installsSelection();
    void asksInTheUsersLanguage();
    void emptyRunList();
    void unparsableRunListStaysUnread_data();
    void unparsableRunListStaysUnread();
    void wrongArgumentCount_data();
    void wrongArgumentCount();
    void closedWhileInstallingEndsCleanly();
    void helperReadsNoConfigurationFromItsEnvironment_data();
    void helperReadsNoConfigurationFromItsEnvironment();
    void helperTakesNoQtVariables();
};

// The front end's part as setup plays it: the segment under its own name, the run list of a
// selection (a driver behind a wait screen, an application of two installers, one whose
// program ships in a compressed cabinet that the helper unpacks), the helper started through
// the shell as administrator with key and language, the segment polled every 100 ms.
void TestSetupRunner::installsSelection()
{
    // Where segments are keyed by a file in the temporary folder, a folder of this test's own
    // keeps the front end's name from meeting a setup that runs meanwhile.
    const QByteArray temporary = qgetenv("TMPDIR");
    const auto restoreTemporary = qScopeGuard([&temporary] {
        if (temporary.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", temporary);
    });
    QVERIFY(QDir().mkpath(m_machine->path(QStringLiteral("tmp"))));
    qputenv("TMPDIR", QFile::encodeName(m_machine->path(QStringLiteral("tmp"))));
    delete m_segment;
    m_segment = new QSharedMemory(QString::fromLatin1(SegmentProtocol::DefaultKey));
    QCOMPARE(FrontEndSegment::create(*m_segment), FrontEndSegment::CreateResult::Created);

    const QString elements = runListFor(
            {QStringLiteral("Driver"), QStringLiteral("Utility"), QStringLiteral("Ocr")});
    QVERIFY(elements.contains(QStringLiteral("DisplayName=\"Test &amp; Utility &lt;2&gt;\"")));
    QVERIFY(elements.contains(QStringLiteral("SrcCompression=\"cab\"")));
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    const intptr_t started = sys::shellExecute(
            nullptr,
            L"runas",
            helperProgram.toStdWString(),
            (QString::fromLatin1(SegmentProtocol::DefaultKey) + QStringLiteral(" en_us"))
                    .toStdWString(),
            {},
            sys::ShowCommand::Hidden);
    QVERIFY(started > 32);
    const QList<Message> messages = pollUntilEnd(60000);
    // Each program is announced with its installer and reported with its exit code (0).
    QList<Message> expected{{AppStarted, 0, -1},
                            {ShowWait, 0, 0},
                            {ProgramStarted, 0, 0},
                            {ProgramEnded, 0, 0},
                            {HideWait, -1, -1},
                            {AppFinished, 0, -1},
                            {AppStarted, 1, -1},
                            {ProgramStarted, 1, 0},
                            {ProgramEnded, 1, 0},
                            {ProgramStarted, 1, 1},
                            {ProgramEnded, 1, 0},
                            {AppFinished, 1, -1},
                            {AppStarted, 2, -1},
                            {ProgramStarted, 2, 0},
                            {ProgramEnded, 2, 0},
                            {AppFinished, 2, -1},
                            {RunFinished, -1, -1}};
    if (underWine()) {
        expected.removeAt(14);
        expected[13] = {AppFailed, 2, 1};
    }
    QCOMPARE(messages, expected);
    // Every character of the command line reached the installer.
    QCOMPARE(uninstallDisplayName(QStringLiteral("{11111111-2222-3333-4444-555555555555}")),
             QStringLiteral(u"Test Driver \u00e9 \u0421\u043a\u0430\u043d\u0435\u0440"));
    QVERIFY(isUninstallEntry(QStringLiteral("{AAAAAAAA-2222-3333-4444-555555555555}")));
    QVERIFY(isUninstallEntry(QStringLiteral("{BBBBBBBB-2222-3333-4444-555555555555}")));
    QCOMPARE(isUninstallEntry(QStringLiteral("{3E4F5A6B-7C8D-4E9F-8A0B-1C2D3E4F5A6B}")),
             !underWine());
    QVERIFY(!isUninstallEntry(QStringLiteral("{CCCCCCCC-2222-3333-4444-555555555555}")));
    // The downloaded cabinet was unpacked from the helper's protected copy, not beside the
    // download, and the copy went with the run.
    QVERIFY(!QFileInfo::exists(m_machine->discPath() + QStringLiteral("/Payload/OcrSetup.exe")));
    QCOMPARE(payloadCacheEntries(), QStringList());
    // No box at all: en_us found setup_runner_en and the helper's own English Qt catalogue
    // (an unattended run has nobody to close a warning).
    QVERIFY2(loggedMessages().isEmpty(), qPrintable(loggedMessages().join(QLatin1Char('\n'))));
}

// An installed driver makes the helper ask, in German, whether to run it again; the unattended
// answer No skips it and the run goes on.
void TestSetupRunner::asksInTheUsersLanguage()
{
    ScratchMachine::addUninstallEntry(false,
                                      QStringLiteral("{11111111-2222-3333-4444-555555555555}"),
                                      QStringLiteral("Test Driver"),
                                      QStringLiteral("2.0"));
    const QString elements = runListFor({QStringLiteral("Driver")});
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("de")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(pollUntilEnd(1000),
             (QList<Message>{{AppStarted, 0, -1}, {AppFinished, 0, -1}, {RunFinished, -1, -1}}));
    QVERIFY2(loggedMessages().contains(QStringLiteral(
                     "Test Driver ist bereits installiert|Test Driver ist bereits installiert. "
                     "Möchten Sie das Installationsprogramm erneut ausführen?")),
             qPrintable(loggedMessages().join(QLatin1Char('\n'))));
}

void TestSetupRunner::emptyRunList()
{
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, QString()),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("de")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(pollUntilEnd(1000), (QList<Message>{{RunFinished, -1, -1}}));
}

void TestSetupRunner::unparsableRunListStaysUnread_data()
{
    QTest::addColumn<QString>("elements");
    QTest::newRow("unclosed element") << QStringLiteral("<Application");
    // Nesting that would exhaust the helper's stack while the DOM is built or freed.
    QTest::newRow("nested too deeply") << QStringLiteral("<Application>")
                                                  + QStringLiteral("<Installer>").repeated(20000)
                                                  + QStringLiteral("</Installer>").repeated(20000)
                                                  + QStringLiteral("</Application>");
}

void TestSetupRunner::unparsableRunListStaysUnread()
{
    QFETCH(QString, elements);
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), minusOneExitCode());
    QVERIFY(m_segment->lock());
    const char16_t first = *static_cast<const char16_t *>(m_segment->constData());
    m_segment->unlock();
    QCOMPARE(first, SegmentProtocol::RunListMarker);
    QVERIFY(loggedMessages().contains(
            QStringLiteral("Error|Error occurred while attempting to initialize the installers.")));
}

void TestSetupRunner::wrongArgumentCount_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("one argument") << QStringList{QStringLiteral("TamFrontEnd")};
    QTest::newRow("three arguments") << QStringList{
            QStringLiteral("TamFrontEnd"), QStringLiteral("en"), QStringLiteral("x")};
}

void TestSetupRunner::wrongArgumentCount()
{
    QFETCH(QStringList, arguments);
    QProcess helper;
    helper.start(helperProgram, arguments);
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), minusOneExitCode());
    QVERIFY(loggedMessages().isEmpty());
}

// Told to close while an installer runs (taskkill without /F; SIGTERM on the simulated
// machine): the helper reports the interrupted run and ends at once, without waiting for the
// installer, which completes on its own.
void TestSetupRunner::closedWhileInstallingEndsCleanly()
{
    const QString slow = QStringLiteral("{DDDDDDDD-2222-3333-4444-555555555555}");
    // Left by an earlier run whose installer ended after it (Windows: one machine for all).
    sys::RegKey::deleteTree(sys::RegRoot::LocalMachine,
                            uninstallKeyOf(slow).toStdWString(),
                            sys::RegAccess::Wow64_64Key);
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, runListFor({QStringLiteral("Slow")})),
             FrontEndSegment::WriteResult::Written);
    QProcess helper;
    if (QSysInfo::kernelType() == QLatin1String("winnt")) {
        // The close message goes to the placeholder window, which only the windows platform
        // makes a real one; under Wine that needs an X display.
        if (qEnvironmentVariableIsSet("WINELOADER") && qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("Wine without a display has no window for the close message");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
        helper.setProcessEnvironment(environment);
    }
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QList<Message> messages;
    QVERIFY(QTest::qWaitFor(
            [&] {
                FrontEndSegment::consumeMessages(m_segment, [&](const MessageSlot &slot) {
                    messages.append({slot.type, slot.value1, slot.value2});
                });
                return messages.size() >= 2;
            },
            10000));
    QCOMPARE(messages, (QList<Message>{{AppStarted, 0, -1}, {ProgramStarted, 0, 0}}));

    helper.terminate();
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QCOMPARE(helper.exitCode(), 0);
    QVERIFY2(!isUninstallEntry(slow), "the helper waited for the installer");
    QCOMPARE(pollUntilEnd(1000), (QList<Message>{{RunInterrupted, -1, -1}}));
    QTRY_VERIFY_WITH_TIMEOUT(isUninstallEntry(slow), 15000);
}

// The shipped helper runs as administrator: no variable of its environment may answer its
// questions, make it write files, or say where anything comes from and whom to trust. Only
// the tests' variant knows the names of its switches; neither knows the configuration's.
void TestSetupRunner::helperReadsNoConfigurationFromItsEnvironment_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("testVariantReadsIt");
    QTest::newRow("message log") << QByteArray("TAM_MESSAGE_LOG") << true;
    QTest::newRow("message answer") << QByteArray("TAM_MESSAGE_ANSWER") << true;
    QTest::newRow("update host") << QByteArray("TAM_UPDATE_HOST") << false;
    QTest::newRow("web host") << QByteArray("TAM_WEB_HOST") << false;
    QTest::newRow("trusted certificates") << QByteArray("TAM_CA_BUNDLE") << false;
}

void TestSetupRunner::helperReadsNoConfigurationFromItsEnvironment()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, testVariantReadsIt);
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray shipped = contents(shippedHelperProgram);
    QVERIFY(!shipped.isEmpty());
    QVERIFY(!shipped.contains(name));
    QCOMPARE(contents(helperProgram).contains(name), testVariantReadsIt);
}

// Qt loads plugins from the folders QT_PLUGIN_PATH names: code that would run as
// administrator. The helper does not even look there.
void TestSetupRunner::helperTakesNoQtVariables()
{
    QTemporaryDir plugins;
    QVERIFY(plugins.isValid());
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, QString()),
             FrontEndSegment::WriteResult::Written);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), plugins.path());
    environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    const QByteArray errors = helper.readAllStandardError();
    QVERIFY2(!errors.contains(QFile::encodeName(plugins.path())), errors.constData());
}

QTEST_MAIN(TestSetupRunner)
#include "tst_setuprunner.moc"
