// The helper runs as administrator what a user's download left: it runs only its own copy of a
// downloaded installer, checked against the catalogue, from a cache folder no other user can
// reach, and empties no folder it cannot trust. End to end, with this test as the front end
// (setuprunnerfixture.h).

#include "setuprunnerfixture.h"

class TestCheckedCopy : public SetupRunnerFixture
{
    Q_OBJECT

private slots:
    void init() { setUpMachine(); }
    void cleanup() { tearDownMachine(); }
    void runsOnlyItsOwnCheckedCopy_data();
    void runsOnlyItsOwnCheckedCopy();
    void untrustedCacheIsNeitherUsedNorEmptied_data();
    void untrustedCacheIsNeitherUsedNorEmptied();
    void everyStepRunsFromTheCopy_data();
    void everyStepRunsFromTheCopy();
};

void TestCheckedCopy::runsOnlyItsOwnCheckedCopy_data()
{
    QTest::addColumn<QString>("check"); // "sha256", "size" or "malformed"
    QTest::addColumn<bool>("swapped");
    QTest::newRow("hash matches") << "sha256" << false;
    QTest::newRow("hash, file swapped after the download") << "sha256" << true;
    QTest::newRow("no hash: size matches") << "size" << false;
    QTest::newRow("no hash: file swapped after the download") << "size" << true;
    QTest::newRow("malformed hash in the run list") << "malformed" << false;
}

// A downloaded installer runs only from the helper's own copy, and only when the copy is the
// file the catalogue means; a run list without a hash is checked by size and still installs.
// Copies left by a killed helper are gone after the next run, and so are this run's.
void TestCheckedCopy::runsOnlyItsOwnCheckedCopy()
{
    QFETCH(QString, check);
    QFETCH(bool, swapped);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString code = QStringLiteral("{EEEEEEEE-2222-3333-4444-555555555555}");
    const QString payload = m_machine->discPath() + QStringLiteral("/Download/WebSetup.exe");
    QVERIFY(QDir().mkpath(QFileInfo(payload).absolutePath()));
    QVERIFY(QFile::copy(DemoDiscFixture::Installer, payload));
    QFile original(payload);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    const QString attributes = QStringLiteral("size=\"%1\" %2")
                                       .arg(bytes.size())
                                       .arg(check == QLatin1String("sha256")
                                                    ? QStringLiteral("sha256=\"%1\"").arg(hash)
                                                    : QString());
    QString elements = webRunList(
            attributes
                    + QStringLiteral(" Executable=\"$SetupPath$\\Download\\WebSetup.exe\" "
                                     "CommandLine=\"/code=%1 /name=Web\"")
                              .arg(code),
            code);
    QVERIFY(elements.contains(QStringLiteral("DownloadPath=")));
    if (check == QLatin1String("malformed"))
        elements.replace(QStringLiteral("size="), QStringLiteral("sha256=\"12ab\" size="));
    QCOMPARE(FrontEndSegment::writeRunList(m_segment, elements),
             FrontEndSegment::WriteResult::Written);
    // Between the download and the helper's start another program of the user swaps the file:
    // the same program with other bytes appended, which would run as well as the original.
    if (swapped) {
        QFile file(payload);
        QVERIFY(file.open(QIODevice::Append));
        file.write("swapped");
    }
    std::string error;
    QVERIFY2(sys::prepareProtectedFolder(sys::payloadCacheFolder(), &error), error.c_str());
    QVERIFY(QDir().mkpath(payloadCache() + QStringLiteral("/run-999999999")));

    QProcess helper;
    helper.start(helperProgram, {m_key, QStringLiteral("en_us")});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), 0);
    const bool runs = !swapped && check != QLatin1String("malformed");
    QList<Message> expected{{AppStarted, 0, -1}};
    if (runs)
        expected << Message{ProgramStarted, 0, 0} << Message{ProgramEnded, 0, 0};
    else
        expected << Message{AppFailed, 0, 2};
    expected << Message{AppFinished, 0, -1} << Message{RunFinished, -1, -1};
    QCOMPARE(pollUntilEnd(1000), expected);
    QCOMPARE(isUninstallEntry(code), runs);
    QCOMPARE(payloadCacheEntries(), QStringList());
}

void TestCheckedCopy::untrustedCacheIsNeitherUsedNorEmptied_data()
{
    QTest::addColumn<QString>("root"); // how the helper finds its cache root
    QTest::newRow("made by another user, holding a link") << "other user";
    QTest::newRow("open to all, holding a link") << "open";
    QTest::newRow("a link to another user's folder") << "link";
    QTest::newRow("ours, holding a link and helpers' folders") << "ours";
}

// Another user made the cache root before the first installation (users may create folders
// where it lies) and put a link in it, named like the folder of a helper that was killed, to a
// folder the helper must not empty. The helper looks into no root it cannot trust, installs
// from a fresh folder of its own beside it and leaves nothing there; in its own root it removes
// the link itself and a dead helper's folder, and keeps a running one's.
void TestCheckedCopy::untrustedCacheIsNeitherUsedNorEmptied()
{
    QFETCH(QString, root);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString theirs = m_machine->path(QStringLiteral("theirs"));
    for (const QString &file :
         {QStringLiteral("keep.txt"), QStringLiteral("run-999999997/keep.txt")})
        m_machine->writeFile(QStringLiteral("theirs/") + file, "mine");
    const QString cache = payloadCache();
    const QString link = cache + QStringLiteral("/run-999999998");
    const QString dead = cache + QStringLiteral("/run-999999999");
    const QString live = cache + QStringLiteral("/run-%1").arg(QCoreApplication::applicationPid());
    if (root == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(QFileInfo(cache).absolutePath()));
        QVERIFY(QFile::link(theirs, cache));
    } else {
        std::string error;
        if (root == QLatin1String("ours"))
            QVERIFY2(sys::prepareProtectedFolder(sys::payloadCacheFolder(), &error), error.c_str());
        QVERIFY(QDir().mkpath(dead) && QDir().mkpath(live));
        QVERIFY(QFile::link(theirs, link));
        if (root == QLatin1String("open"))
            QVERIFY(QFile::setPermissions(cache, QFileDevice::Permissions(0x7777)));
        if (root == QLatin1String("other user")
            && QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534"), cache}) != 0)
            QSKIP("only root gives a folder to another user");
    }
    const QString code = QStringLiteral("{EEEEEEEE-2222-3333-4444-555555555555}");
    const QString payload = m_machine->downloadPath() + QStringLiteral("/WebSetup.exe");
    QVERIFY(QDir().mkpath(m_machine->downloadPath())
            && QFile::copy(DemoDiscFixture::Installer, payload));
    const QString elements
            = webRunList(QStringLiteral("Executable=\"$DownloadPath$\\WebSetup.exe\" "
                                        "CommandLine=\"/code=%1 /name=Web\"")
                                 .arg(code),
                         code);

    QCOMPARE(withoutPrograms(runHelper(elements)),
             (QList<Message>{{AppStarted, 0, -1}, {AppFinished, 0, -1}, {RunFinished, -1, -1}}));
    QVERIFY(isUninstallEntry(code));
    QVERIFY(QFileInfo::exists(theirs + QStringLiteral("/keep.txt")));
    QVERIFY(QFileInfo::exists(theirs + QStringLiteral("/run-999999997/keep.txt")));
    QCOMPARE(QDir(QFileInfo(cache).absolutePath())
                     .entryList({QStringLiteral("TamPayloadCache*")},
                                QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("TamPayloadCache")});
    if (root == QLatin1String("link"))
        return;
    const bool ours = root == QLatin1String("ours");
    QCOMPARE(QFileInfo(link).isSymLink(), !ours);
    QCOMPARE(QFileInfo::exists(dead), !ours);
    QVERIFY(QFileInfo::exists(live));
}

void TestCheckedCopy::everyStepRunsFromTheCopy_data()
{
    QTest::addColumn<QString>("namedBy"); // the step that names the download
    QTest::addColumn<bool>("swapped");
    for (const char *step :
         {"pre-install program", "post-install program", "main step's argument"}) {
        QTest::addRow("%s, download as it came", step) << QString::fromLatin1(step) << false;
        QTest::addRow("%s, download swapped", step) << QString::fromLatin1(step) << true;
    }
}

// The download is named by a step other than the main program: a pre- or post-install step
// that runs it, or the main step's argument (msiexec /i with the package). Each step gets the
// checked copy: a swapped download runs nowhere, and nothing a step does reaches the user's
// file (the stand-in writes its record to the file its argument names).
void TestCheckedCopy::everyStepRunsFromTheCopy()
{
    QFETCH(QString, namedBy);
    QFETCH(bool, swapped);
    if (underWine())
        QSKIP(wineKeepsNoAcls);
    const QString payload = m_machine->downloadPath() + QStringLiteral("/WebSetup.exe");
    QVERIFY(QDir().mkpath(m_machine->downloadPath())
            && QFile::copy(DemoDiscFixture::Installer, payload));
    const auto contents = [&payload] {
        QFile file(payload);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray original = contents();
    const QString main = QStringLiteral("{ABABABAB-2222-3333-4444-555555555555}");
    const QString other = QStringLiteral("{CDCDCDCD-2222-3333-4444-555555555555}");
    const bool byArgument = namedBy.contains(QLatin1String("argument"));
    QString elements = webRunList(
            QStringLiteral("size=\"%1\" sha256=\"%2\" TargetPath=\"$DownloadPath$\\WebSetup.exe\" "
                           "Executable=\"$SetupPath$\\Software\\UtilitySetup.exe\" "
                           "CommandLine=\"/code=%3 /name=Main%4\"")
                    .arg(original.size())
                    .arg(QString::fromLatin1(
                            QCryptographicHash::hash(original, QCryptographicHash::Sha256).toHex()))
                    .arg(main,
                         byArgument ? QStringLiteral(" /record=$DownloadPath$\\WebSetup.exe")
                                    : QString()),
            main);
    if (!byArgument) {
        Executable step;
        step.setExecutable(QStringLiteral("$DownloadPath$\\WebSetup.exe"), false);
        step.setCommandLine(QStringLiteral("/code=%1 /name=Other").arg(other));
        const QString list = namedBy.startsWith(QLatin1String("pre"))
                                     ? QStringLiteral("PreInstallSteps")
                                     : QStringLiteral("PostInstallSteps");
        const QString empty = QStringLiteral("<%1></%1>").arg(list);
        QVERIFY(elements.contains(empty));
        elements.replace(
                empty,
                QStringLiteral("<%1>%2</%1>").arg(list, RunListXml::writeExecutable(step, -1)));
    }
    if (swapped) {
        QFile file(payload);
        QVERIFY(file.open(QIODevice::Append));
        file.write("swapped");
    }
    const QByteArray downloaded = contents();

    QList<Message> expected{{AppStarted, 0, -1}};
    if (swapped)
        expected << Message{AppFailed, 0, 2};
    expected << Message{AppFinished, 0, -1} << Message{RunFinished, -1, -1};
    QCOMPARE(withoutPrograms(runHelper(
                     elements, RunListXml::writeRunSettings(SetupSettings::downloadPath()))),
             expected);
    QCOMPARE(isUninstallEntry(main), !swapped);
    QCOMPARE(isUninstallEntry(other), !swapped && !byArgument);
    QVERIFY(contents() == downloaded);
    QCOMPARE(payloadCacheEntries(), QStringList());
}

QTEST_MAIN(TestCheckedCopy)
#include "tst_checkedcopy.moc"
