// Device selection of a copy without its disc and the online check of a disc's catalogue: the
// update dialogs, run as start-up and the skin set-up need them.

#include "frontend.h"
#include "ui_frontend.h"

#include "checkupdatedlg.h"
#include "connectscannerdlg.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "scannerinfo.h"
#include "selectscannerdlg.h"
#include "setupsettings.h"
#include "updateseams.h"

#include <QFileInfo>

namespace {

bool hasDvdPathFile()
{
    return QFileInfo::exists(FrontEndHooks::programDirectory() + QStringLiteral("/DVDPath.xml"));
}

// Whether two Windows-form folders are one. The temporary folder may be named through a link
// or in another spelling than the program's own folder; a copy that runs in the update folder
// must see that it does, or its self-update check would empty the folder it runs from.
bool sameFolder(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(HostFiles::hostPath(a)).canonicalFilePath();
    const QString canonicalB = QFileInfo(HostFiles::hostPath(b)).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == canonicalB)
        return true;
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

bool FrontEnd::runDeviceSelection()
{
    if (FrontEndHooks::overridesDeviceSelection())
        return FrontEndHooks::runDeviceSelection(this);

    if (!sameFolder(SetupSettings::setupPath(), SetupSettings::updatePath())) {
        ScannerInfo product;
        product.setLanguage(m_languageCode);
        auto *check
                = new CheckUpdateDlg(ui->centralWidget, &product, Qt::WindowFlags(), true, false);
        // Before the main window is shown, a dialog centred on it would open in a corner.
        centreOnScreen(check);
        UpdateSeams::run(check);
        const bool goOn = check->continueSetup();
        delete check;
        if (!goOn) {
            m_newerSetupStarted = true;
            close();
            return false;
        }
    }

    const Qt::WindowFlags flags = Qt::Popup | Qt::WindowStaysOnTopHint;
    {
        ConnectScannerDlg connectDialog(nullptr, flags, 0);
        centreOnScreen(&connectDialog);
        UpdateSeams::run(&connectDialog);
    }
    SelectScannerDlg select(nullptr, FrontEndHooks::programDirectory());
    select.setWindowFlags(flags);
    centreOnScreen(&select);
    UpdateSeams::run(&select);
    return select.updated();
}

bool FrontEnd::runUpdateCheck()
{
    // A resume after a restart goes on with the installation the user started: the question
    // was answered before the restart, and what it fetched still lies in the update folder.
    if (m_sourceMode != SourceMode::DiscOnly || m_scannerInfo->updateUrl().isEmpty()
        || m_resumeStep != 0)
        return true;
    bool goOn = true;
    if (FrontEndHooks::overridesUpdateCheck()) {
        goOn = FrontEndHooks::runUpdateCheck(this);
    } else {
        CheckUpdateDlg check(
                ui->centralWidget, m_scannerInfo, Qt::WindowFlags(), false, hasDvdPathFile());
        UpdateSeams::run(&check);
        goOn = check.continueSetup();
    }
    if (!goOn) {
        m_newerSetupStarted = true;
        return false;
    }
    if (QFileInfo::exists(HostFiles::hostPath(m_updateXmlPath))
        && m_scannerInfo->checkFile(m_updateXmlPath)) {
        m_sourceMode = SourceMode::Merged;
        loadProductFiles();
    }
    return true;
}
