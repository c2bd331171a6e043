// What the update dialogs' tests share: a real HTTPS update server (nginx with a certificate
// authority of the test's own) holding the models' files, a stand-in scanner list, waits scaled
// down, and the messages and connect dialogs the dialogs showed. A test class derives from it
// and calls its steps from its own initTestCase(), init() and cleanup(): the fixture declares no
// slots, since QtTest would run inherited ones as tests.

#pragma once

#include "connectscannerdlg.h"
#include "messageseam.h"
#include "scannerinfo.h"
#include "scannerlist.h"
#include "setupsettings.h"
#include "updateseams.h"
#include "updateserver.h"
#include "usbinventory.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

inline DeviceRecord scanner(uint32_t productId, const wchar_t *serial, const wchar_t *model)
{
    UsbInventoryEntry entry;
    entry.vendorId = UsbInventory::MakerVendorId;
    entry.productId = productId;
    entry.serialNumber = serial;
    entry.model = model;
    DeviceRecord record;
    ScannerList::recordFromEntry(entry, record);
    return record;
}

inline QDomElement rootOf(const QString &file)
{
    QFile in(file);
    QDomDocument document;
    if (!in.open(QIODevice::ReadOnly) || !document.setContent(&in))
        return QDomElement();
    return document.documentElement();
}

class UpdateDialogFixture : public QObject
{
protected:
    void startServer()
    {
        qRegisterMetaType<QNetworkReply::NetworkError>();
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        // The package unpacks into the temporary folder's TamSetup\TamUpdate: the update folder.
        QDir().mkpath(m_root.filePath(QStringLiteral("tmp")));
        qputenv("TMPDIR", QFile::encodeName(m_root.filePath(QStringLiteral("tmp"))));
        SetupSettings::setUpdatePath(SetupSettings::defaultUpdatePath());
        SetupSettings::setSetupPath(SetupSettings::withBackslashes(m_root.filePath("disc")));
        UpdateSeams::setTimeScale(0.02);
        UpdateSeams::setScan([this](uint32_t productId) {
            std::this_thread::sleep_for(std::chrono::milliseconds(m_searchMs.load()));
            std::vector<DeviceRecord> found;
            for (const DeviceRecord &record : m_scanners.list()) {
                if (productId == 0 || record.productId == productId)
                    found.push_back(record);
            }
            return found;
        });
        // The connect dialog is left at once, as a person would who has no scanner at hand.
        UpdateSeams::setRunner([this](QDialog *dialog) {
            if (qobject_cast<ConnectScannerDlg *>(dialog)) {
                ++m_connectDialogs;
                return int(QDialog::Rejected);
            }
            return dialog->exec();
        });
        MessageSeam::setHandler([this](QObject *,
                                       MessageSeam::Icon,
                                       const QString &title,
                                       const QString &text,
                                       int,
                                       int) {
            m_messages << title + QStringLiteral(": ") + text;
            return int(MessageSeam::Ok);
        });

        // Model 0A41 names bundle B, 0B52 has no selection file (type 1), 0C63 one without a
        // default bundle (type 1) and a scanner file without a bundle, 0D74 a default bundle that
        // leads out of the folder (type 1, no scanner file).
        const QString base = QStringLiteral("http://%1/Downloads/updater").arg(m_server.host());
        m_server.putModelFile("0A41", "0A41_SN.xml", "<SN><Model DefaultBundle=\"B\"/></SN>");
        m_server.putModelFile("0A41",
                              "0A41_B.xml",
                              QStringLiteral("<Scanner LongName=\"DocuStream 410 Plus\" "
                                             "MinSetupVersion=\"1.0\" BundleURL=\"%1/0A41/Windows/"
                                             "bundle_b.xml\"/>")
                                      .arg(base)
                                      .toUtf8());
        m_server.putModelFile("0A41",
                              "bundle_b.xml",
                              "<Bundle SoftwareVersion=\"1.1\" MinSetupVersion=\"1.0\">"
                              "<Application ShortName=\"Cloud\"/></Bundle>");
        m_server.putModelFile("0B52",
                              "0B52_1.xml",
                              QStringLiteral("<Scanner BundleURL=\"%1/0B52/Windows/b.xml\"/>")
                                      .arg(base)
                                      .toUtf8());
        m_server.putModelFile("0B52", "b.xml", "<bundle MinSetupVersion=\"1.0\"/>");
        m_server.putModelFile("0C63", "0C63_SN.xml", "<SN><Model/></SN>");
        m_server.putModelFile("0C63", "0C63_1.xml", "<Scanner LongName=\"Desk 63\"/>");
        m_server.putModelFile(
                "0D74", "0D74_SN.xml", "<SN><Model DefaultBundle=\"../../../TamSetup/x\"/></SN>");
    }

    void clearUpdateFolder()
    {
        m_messages.clear();
        m_connectDialogs = 0;
        QDir(updateFile(QString())).removeRecursively();
        QDir().mkpath(updateFile(QString()));
    }

    void restoreHosts() { UpdateServer::useHosts(m_server.host(), m_server.host()); }

    QString updateFile(const QString &name) const
    {
        const QString folder = m_root.filePath(QStringLiteral("tmp/TamSetup/TamUpdate"));
        return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
    }

    void loadProduct(ScannerInfo &product, const QString &updateUrl)
    {
        const QString file = m_root.filePath(QStringLiteral("scanner_win.xml"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(
                QStringLiteral("<Scanner ShortName=\"DS\" LongName=\"DocuStream 410\" PID=\"0a41\" "
                               "BundleType=\"A\" MinSetupVersion=\"1.0\" update_url=\"%1\"/>")
                        .arg(updateUrl)
                        .toUtf8());
        out.close();
        QVERIFY(product.load(file, true, false));
    }

    UpdateServer m_server;
    QTemporaryDir m_root;
    QStringList m_messages;
    // What the stand-in scanner list finds. The dialogs search on a thread of their own, so the
    // test changes it under a lock.
    class Scanners
    {
    public:
        void set(std::vector<DeviceRecord> scanners)
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list = std::move(scanners);
        }
        void push_back(const DeviceRecord &record)
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list.push_back(record);
        }
        void pop_back()
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_list.pop_back();
        }
        std::vector<DeviceRecord> list() const
        {
            std::lock_guard<std::mutex> guard(m_lock);
            return m_list;
        }

    private:
        mutable std::mutex m_lock;
        std::vector<DeviceRecord> m_list;
    } m_scanners;
    int m_connectDialogs = 0;
    // How long the stand-in search takes.
    std::atomic<int> m_searchMs{0};
};
