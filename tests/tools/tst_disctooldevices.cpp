// disctool devices and device plug/unplug on a simulated machine of the test's own: what a
// person plugs in is listed as setup would list it, and wrong input is refused.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDiscToolDevices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pluggedScannersAreListed();
    void wrongInputIsRefused_data();
    void wrongInputIsRefused();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QString err;
    };
    Result run(const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDiscToolDevices::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

TestDiscToolDevices::Result TestDiscToolDevices::run(const QStringList &arguments)
{
    QStringList withMachine = arguments;
    withMachine.replaceInStrings(QStringLiteral("@machine"), m_dir->filePath("machine"));
    QProcess process;
    process.start(QStringLiteral(DISCTOOL_PATH), withMachine);
    Result result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestDiscToolDevices::pluggedScannersAreListed()
{
    // The machine's option before and after the verb; the first lays the machine out.
    QCOMPARE(run({"device",
                  "--new-machine",
                  "@machine",
                  "plug",
                  "0A1C",
                  " SN_7 ",
                  "--no-serial-in-id"})
                     .exitCode,
             0);
    QCOMPARE(run({"device",
                  "plug",
                  "465",
                  "sn-1",
                  "--model",
                  "DocuMate 465",
                  "--machine",
                  "@machine"})
                     .exitCode,
             0);
    const QJsonArray expected{QJsonObject{{"vendorId", 0x04A7},
                                          {"productId", 0x0465},
                                          {"productIdText", "0465"},
                                          {"serial", "sn-1"},
                                          {"model", "DocuMate 465"},
                                          {"network", false}},
                              QJsonObject{{"vendorId", 0x04A7},
                                          {"productId", 0x0A1C},
                                          {"productIdText", "0A1C"},
                                          {"serial", "SN7"},
                                          {"model", "PID_0a1c"},
                                          {"network", false}}};
    Result listed = run({"devices", "--machine", "@machine"});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(listed.out).array(), expected);

    listed = run({"devices", "--product-id", "0x0a1c", "--machine", "@machine"});
    QCOMPARE(QJsonDocument::fromJson(listed.out).array(), QJsonArray{expected.at(1)});

    QCOMPARE(run({"device", "unplug", "0465", "SN-1", "--machine", "@machine"}).exitCode, 0);
    listed = run({"devices", "--machine", "@machine"});
    QCOMPARE(QJsonDocument::fromJson(listed.out).array(), QJsonArray{expected.at(1)});
}

void TestDiscToolDevices::wrongInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("filter not hexadecimal")
            << QStringList{"devices", "--product-id", "04G7", "--new-machine", "@machine"} << 2
            << "the product id \"04G7\" is not a hexadecimal number";
    QTest::newRow("product id too long")
            << QStringList{"device", "plug", "10465", "S1", "--new-machine", "@machine"} << 2
            << "the product id \"10465\" is not a hexadecimal number";
    QTest::newRow("serial that cannot name an instance")
            << QStringList{"device", "plug", "465", "A&B", "--new-machine", "@machine"} << 2
            << "use --no-serial-in-id";
    QTest::newRow("unplug of an unknown scanner")
            << QStringList{"device", "unplug", "465", "NONE", "--new-machine", "@machine"} << 1
            << "no scanner with product id 0465";
    QTest::newRow("unknown verb") << QStringList{"device", "eject", "465", "S1"} << 2
                                  << "unknown verb \"eject\"";
}

void TestDiscToolDevices::wrongInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Result result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

QTEST_MAIN(TestDiscToolDevices)
#include "tst_disctooldevices.moc"
