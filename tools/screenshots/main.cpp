// Renders the language picker, every page of a disc's skin, the two licence dialogs, the dialog
// that waits for a scanner to be connected, the update dialogs and an installation from the disc
// (before, during and after) to PNG files, for people to look at.
// Usage: screenshots DISC_FOLDER OUTPUT_FOLDER LANGUAGE_CODE
// The disc is used as setup would use it from its root; message boxes are printed, not shown.
// The installation runs the disc's setup_runner on the machine that TAM_MACHINE names; with the
// tests' variant of it there (scripts/screenshots puts it on a copy of the disc) its boxes are
// logged to helper-messages.log in the output folder.

#include "application.h"
#include "checkupdatedlg.h"
#include "configurationenvironment.h"
#include "connectscannerdlg.h"
#include "euladlg.h"
#include "frontend.h"
#include "frontendhooks.h"
#include "scannerinfo.h"
#include "scannerlist.h"
#include "selectscannerdlg.h"
#include "startupplan.h"
#include "updateseams.h"
#include "usbinventory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QNetworkReply>
#include <QPixmap>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <functional>

namespace {

// Lets the window work until condition holds or timeoutMs have passed.
bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
    return true;
}

// Installs two applications (one with a wait screen) from the disc through its setup_runner and
// takes the install page before, while and after it runs. Returns the number of pictures saved.
int installFromDisc(FrontEnd &window, const QString &output, const QString &language)
{
    const auto save = [&](const char *name) {
        return window.grab().save(output + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('_')
                                  + language + QStringLiteral(".png"))
                       ? 1
                       : 0;
    };
    window.navigate_IS();
    QCoreApplication::processEvents();
    for (const InstallRow &row : window.installRows()) {
        const QString name = row.application->shortName();
        if (row.checkBox->isEnabled())
            row.checkBox->setChecked(name == QLatin1String("ButtonManager")
                                     || name == QLatin1String("ScanUtility"));
    }
    QCoreApplication::processEvents();
    int saved = save("IS_ticked");
    // What hovering a row's name shows: its description beside the row's status (the driver is
    // installed on the demo machine, so its row reads "Installed!").
    const InstallRow hovered = window.installRows().value(0);
    if (hovered.description) {
        hovered.description->show();
        hovered.description->raise();
        QCoreApplication::processEvents();
        saved += save("IS_description");
        hovered.description->hide();
    }

    FrontEndHooks::setLicenceDialog([](EULADlg *) { return int(QDialog::Accepted); });
    qputenv("TAM_MESSAGE_LOG", QFile::encodeName(output + QStringLiteral("/helper-messages.log")));
    window.findChild<QPushButton *>(QStringLiteral("IS_InstallNow"))->click();
    QWidget *busy = window.findChild<QWidget *>(QStringLiteral("IS_ANI"));
    if (busy && waitFor([busy] { return busy->isVisible(); }, 20000))
        saved += save("IS_installing");
    QWidget *waitScreen = window.findChild<QWidget *>(QStringLiteral("WaitScreen"));
    if (waitScreen && waitFor([waitScreen] { return waitScreen->isVisible(); }, 5000))
        saved += save("IS_waitscreen");
    if (waitFor([&window] { return !window.isInstalling(); }, 60000)) {
        window.navigate_IS();
        QCoreApplication::processEvents();
        saved += save("IS_installed");
    }
    return saved;
}

DeviceRecord demoScanner(uint32_t productId, const wchar_t *serial, const wchar_t *model)
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

// The update dialogs: the check asking, checking and failing, and device selection checking,
// with a supported and an unsupported scanner, and after a server error. The device checks need
// the demo's update server (TAM_UPDATE_HOST, as scripts/screenshots starts it); the check's
// "checking" picture waits on a server that never answers. Returns the number saved.
int updateDialogs(const QString &disc, const QString &output, const QString &language)
{
    int saved = 0;
    const auto save = [&](QWidget &widget, const char *name) {
        widget.show();
        QCoreApplication::processEvents();
        if (widget.grab().save(output + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('_')
                               + language + QStringLiteral(".png")))
            ++saved;
    };
    ScannerInfo product;
    product.setLanguage(language);
    product.load(disc + QStringLiteral("/scanner_win.xml"), true, false);
    {
        CheckUpdateDlg asking(nullptr, &product, Qt::WindowFlags(), false, false);
        save(asking, "update_asking");
    }
    {
        QTcpServer silent;
        silent.listen(QHostAddress::LocalHost);
        const QByteArray webHost = qgetenv("TAM_WEB_HOST");
        qputenv("TAM_WEB_HOST", QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()).toUtf8());
        CheckUpdateDlg checking(nullptr, &product, Qt::WindowFlags(), true, false);
        save(checking, "update_checking");
        checking.close();
        qputenv("TAM_WEB_HOST", webHost);
    }
    {
        QMessageBox error(QMessageBox::Critical,
                          QCoreApplication::translate("CheckUpdateDlg", "Error"),
                          QCoreApplication::translate("CheckUpdateDlg",
                                                      "No connection is currently available to "
                                                      "process the requested operation."),
                          QMessageBox::Ok);
        save(error, "update_error");
    }

    UpdateSeams::setTimeScale(0.1);
    UpdateSeams::setScan([](uint32_t) {
        return std::vector<DeviceRecord>{demoScanner(0x0A41, L"TD410-0815", L"DocuStream 410"),
                                         demoScanner(0x0B52, L"TD520-0042", L"DocuStream 520")};
    });
    QTemporaryDir folder;
    SelectScannerDlg select(nullptr, folder.path());
    save(select, "select_checking");
    if (waitFor([&select] { return !select.isChecking() && select.currentIndex() == 2; }, 20000)) {
        save(select, "select_not_supported");
        auto *list = select.findChild<QListWidget *>(QStringLiteral("m_lstWidgetScanners"));
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        save(select, "select_supported");
        // What a server error leaves, through the dialog's own error path.
        QMetaObject::invokeMethod(
                &select,
                "sltDownloadError",
                Q_ARG(QNetworkReply::NetworkError, QNetworkReply::ContentAccessDenied));
        save(select, "select_error");
    }
    UpdateSeams::setScan(nullptr);
    UpdateSeams::setTimeScale(1);
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ConfigurationEnvironment::install();
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        err << "usage: screenshots DISC_FOLDER OUTPUT_FOLDER LANGUAGE_CODE\n";
        return 2;
    }
    const QString disc = QDir(arguments.at(1)).absolutePath();
    const QString output = QDir(arguments.at(2)).absolutePath();
    const QString language = arguments.at(3);
    QDir().mkpath(output);

    // Nothing on the desktop may open while pictures are taken.
    FrontEndHooks::setProgramDirectory(disc);
    FrontEndHooks::setOpenUrl([](const QUrl &) { return true; });
    FrontEndHooks::setStartDetached([](const QString &, const QString &) { return true; });
    // The disc's online check has pictures of its own (update dialogs); the pages come without.
    FrontEndHooks::setUpdateCheck([](FrontEnd *) { return true; });

    // A resume keeps the update folder and skips device selection: nothing else is touched.
    const StartupPlan plan = StartupPlan::prepare(disc, {language, QStringLiteral("0")});
    if (plan.exitAtOnce)
        return 1;
    QDir::setCurrent(disc);

    FrontEnd window(0);
    window.prepareLanguages();
    window.show();
    app.processEvents();
    window.grab().save(output + QStringLiteral("/picker_") + language + QStringLiteral(".png"));

    window.resumeInLanguage(language, 0);
    app.processEvents();
    int saved = 0;
    for (const char *page : {"MM", "IS", "UG", "SD", "SWD", "D2", "TY"}) {
        // The install page shows its rows only once they were refreshed.
        if (qstrcmp(page, "IS") == 0)
            window.navigate_IS();
        else
            window.showPage(QLatin1String(page));
        app.processEvents();
        const QString file = output + QLatin1Char('/') + QLatin1String(page) + QLatin1Char('_')
                             + language + QStringLiteral(".png");
        if (window.grab().save(file))
            ++saved;
    }
    const struct
    {
        EULADlg::Licence licence;
        const char *name;
    } licences[] = {{EULADlg::BrandLicence, "EULA_COR"}, {EULADlg::MakerLicence, "EULA_TAM"}};
    for (const auto &licence : licences) {
        EULADlg dialog(&window, Qt::WindowFlags(), EULADlg::licencePath(licence.licence, language));
        dialog.show();
        app.processEvents();
        const QString file = output + QLatin1Char('/') + QLatin1String(licence.name)
                             + QLatin1Char('_') + language + QStringLiteral(".png");
        if (dialog.grab().save(file))
            ++saved;
    }
    {
        // Waiting for a scanner of the disc's model; none is connected, so it stays open.
        ConnectScannerDlg::setScan([](uint32_t) { return std::vector<DeviceRecord>(); });
        ConnectScannerDlg dialog(&window, Qt::WindowFlags(), 0x0465);
        dialog.show();
        app.processEvents();
        if (dialog.grab().save(output + QStringLiteral("/connect_scanner_") + language
                               + QStringLiteral(".png")))
            ++saved;
    }
    saved += updateDialogs(disc, output, language);
    saved += installFromDisc(window, output, language);
    QTextStream(stdout) << saved << " pictures of " << disc << " in " << language << " -> "
                        << output << '\n';
    return saved == 22 ? 0 : 1;
}
