// Payloads laid out beside the product file (disctool layout --with-downloads): a web
// installer whose file lies in the disc's Downloads folder with the catalogue's SHA-256 counts
// as downloaded and runs from there; one without a hash, or with another file under its name,
// is downloaded as before.

#include "application.h"
#include "catalogtestsupport.h"
#include "executable.h"
#include "installer.h"
#include "stagedpayload.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QtTest>

#include <memory>

namespace {

const QByteArray payload = "the cloud connector's installer";
const QByteArray otherPayload = "a language variant of the same name";

QString sha256Of(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

class TestStagedPayload : public QObject
{
    Q_OBJECT

private slots:
    void takesVerifiedCopies_data();
    void takesVerifiedCopies();
};

void TestStagedPayload::takesVerifiedCopies_data()
{
    QTest::addColumn<QString>("installer");  // attributes besides url and Executable
    QTest::addColumn<QStringList>("staged"); // NAME=CONTENT below Downloads/
    QTest::addColumn<QString>("takenFrom");  // below Downloads/, empty: not taken

    const QString hash = sha256Of(payload);
    QTest::newRow("verified copy") << QStringLiteral("sha256=\"%1\"").arg(hash.toUpper())
                                   << QStringList{"Setup.exe=payload"} << "Setup.exe";
    QTest::newRow("cabinet") << QStringLiteral("sha256=\"%1\" compression=\"cab\" "
                                               "TargetPath=\"$DownloadPath$\\Setup.cab\"")
                                        .arg(hash)
                             << QStringList{"Setup.cab=payload"} << "Setup.cab";
    QTest::newRow("name taken by another payload")
            << QStringLiteral("sha256=\"%1\"").arg(hash)
            << QStringList{"Setup.exe=other", hash + "/Setup.exe=payload"} << hash + "/Setup.exe";
    QTest::newRow("another file under the name") << QStringLiteral("sha256=\"%1\"").arg(hash)
                                                 << QStringList{"Setup.exe=other"} << QString();
    QTest::newRow("no hash in the catalogue")
            << QString() << QStringList{"Setup.exe=payload"} << QString();
}

void TestStagedPayload::takesVerifiedCopies()
{
    QFETCH(QString, installer);
    QFETCH(QStringList, staged);
    QFETCH(QString, takenFrom);
    ScratchMachine machine;
    MessageRecorder recorder;
    for (const QString &entry : staged) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        machine.writeFile(QStringLiteral("disc/Downloads/") + name,
                          entry.endsWith(QLatin1String("=payload")) ? payload : otherPayload);
    }
    QDomDocument document;
    document.setContent(
            QStringLiteral("<application ShortName=\"Cloud\"><installationplatform Value=\"all\">"
                           "<installer url=\"http://h/Setup.exe\" size=\"999\" "
                           "Executable=\"$DownloadPath$\\Setup.exe\" "
                           "%1/></installationplatform></application>")
                    .arg(installer));
    std::unique_ptr<Application> application(
            Application::fromCatalogue(document.documentElement(), "en", "us", false, nullptr));
    Installer *read = application->installers().at(0);
    application->refreshInstalledState();
    QCOMPARE(application->remainingDownload().needed, takenFrom.isEmpty());
    QCOMPARE(read->isDownloaded(), !takenFrom.isEmpty());
    const auto slashed = [](QString path) { return QDir::cleanPath(path.replace('\\', '/')); };
    const QString staging = slashed(StagedPayload::folder());
    QCOMPARE(slashed(read->downloadPath()).startsWith(staging), !takenFrom.isEmpty());
    if (takenFrom.isEmpty())
        return;
    QCOMPARE(slashed(read->downloadPath()), staging + QLatin1Char('/') + takenFrom);
    // What runs is the staged file (a cabinet unpacks from it).
    Executable *main = read->mainInstallStep();
    const QString runs
            = installer.contains(QLatin1String("cab")) ? main->srcPath() : main->program();
    QCOMPARE(slashed(runs), slashed(read->downloadPath()));
    QCOMPARE(read->size(), qint64(payload.size()));
    QVERIFY(recorder.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestStagedPayload)
#include "tst_stagedpayload.moc"
