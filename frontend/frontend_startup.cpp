// Construction and destruction of the main window: process-wide state, the single-instance
// guard, the fixed form and the clean-up of a previous run.

#include "frontend.h"
#include "ui_frontend.h"

#include "frontendhooks.h"
#include "helperchannel.h"
#include "messageseam.h"
#include "recoveryentry.h"
#include "scannerinfo.h"
#include "segmentprotocol.h"
#include "setupsettings.h"
#include "skinaccessibility.h"
#include "startupplan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QSharedMemory>
#include <QThread>
#include <QTranslator>

namespace {

// After the older front end was ended its segment goes away with it; give that a few seconds
// rather than waiting for ever on a segment that some other process holds.
constexpr int TakeOverAttempts = 50;
constexpr int TakeOverPauseMs = 100;

bool hasDvdPathFile()
{
    return QFileInfo::exists(FrontEndHooks::programDirectory() + QStringLiteral("/DVDPath.xml"));
}

} // namespace

FrontEnd::FrontEnd(int resumeStep, QWidget *parent)
    : QMainWindow(parent)
    , m_productXmlPath(SetupSettings::setupPath() + QStringLiteral("\\scanner_win.xml"))
    , m_designErrorTitle(QStringLiteral("Design Time Error"))
    , m_warningTitle(QStringLiteral("Warning"))
    , m_pagePrefixes({QStringLiteral("MM"),
                      QStringLiteral("TY"),
                      QStringLiteral("IS"),
                      QStringLiteral("UG"),
                      QStringLiteral("SD"),
                      QStringLiteral("SWD"),
                      QStringLiteral("D2")})
    , m_resumeStep(resumeStep)
    , m_segmentKey(QString::fromLatin1(SegmentProtocol::DefaultKey))
    , ui(new Ui::FrontEnd)
{
    const QString xmlDir
            = StartupPlan::updateXmlDir().isEmpty()
                      ? SetupSettings::withBackslashes(FrontEndHooks::programDirectory())
                      : StartupPlan::updateXmlDir();
    m_updateXmlPath = xmlDir + QStringLiteral("\\update.xml");

    m_languageCode = normalizeLanguageCode(QLocale::system().name());

    acquireSingleInstance();
    m_downloads = new DownloadSession(this);
    wireDownloadSession();
    m_helper = new HelperChannel(m_segment, this);
    wireHelperChannel();
    if (m_endedAtStart)
        return;

    if (hasDvdPathFile())
        QFile::remove(FrontEndHooks::programDirectory() + QStringLiteral("/update.xml"));

    m_windowIcon = new QIcon(QStringLiteral(":/FrontEndImages/Resources/fe_icon.png"));
    setWindowIcon(*m_windowIcon);

    loadInitialTranslators();

    ui->setupUi(this);
    SkinAccessibility::install();

    if (m_resumeStep != 0)
        m_resumeSelection = RecoveryEntry::selection();
    RecoveryEntry::remove();
}

FrontEnd::~FrontEnd()
{
    if (m_frontEndTranslator)
        QCoreApplication::removeTranslator(m_frontEndTranslator);
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator);
    delete m_frontEndTranslator;
    delete m_qtTranslator;
    delete m_scannerInfo;
    delete m_windowIcon;
    // The channel polls the segment: it goes first.
    delete m_helper;
    if (m_segment)
        m_segment->detach();
    delete m_segment;
    delete ui;
}

void FrontEnd::acquireSingleInstance()
{
    m_segment = new QSharedMemory(m_segmentKey);
    if (FrontEndSegment::create(*m_segment) == FrontEndSegment::CreateResult::Created)
        return;

    // With DVDPath.xml beside us an older front end may have started this copy during its
    // self-update and still hold the segment: it is ended. Started by anything else, this is
    // a second copy, which leaves without a word while the other shows its window.
    if (!hasDvdPathFile() || !FrontEndHooks::terminateParent()) {
        m_endedAtStart = true;
        FrontEndHooks::endProcess(0);
        return;
    }

    for (int attempt = 0; attempt < TakeOverAttempts; ++attempt) {
        if (FrontEndSegment::create(*m_segment) == FrontEndSegment::CreateResult::Created)
            return;
        QThread::msleep(TakeOverPauseMs);
    }
    MessageSeam::show(nullptr,
                      MessageSeam::Critical,
                      QStringLiteral("Front End Error"),
                      QStringLiteral("Another copy of the setup program is still running. Close "
                                     "it and start the setup program again."));
    m_endedAtStart = true;
    FrontEndHooks::endProcess(0);
}

void FrontEnd::resumeInLanguage(const QString &languageCode, int step)
{
    Q_UNUSED(step) // the constructor already took it
    if (ui->Languages->count() > 1) {
        m_languageCode = languageCode;
        set_up_main_ui();
    }
}
