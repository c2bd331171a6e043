// Languages: the initial guess from the system locale, the translators, and the picker.

#include "frontend.h"
#include "ui_frontend.h"

#include "frontendhooks.h"
#include "hostfiles.h"
#include "languagetable.h"
#include "messageseam.h"
#include "scannerinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>

namespace {

const QString FrontEndTranslations = QStringLiteral(":/FrontEndTranslations/Translations");
const QString QtTranslations = QStringLiteral(":/QtTranslations/Translations");

} // namespace

QString FrontEnd::normalizeLanguageCode(const QString &localeName)
{
    return LanguageTable::fromLocaleName(localeName);
}

QString FrontEnd::languageCodeOfFile(const QString &fileName)
{
    return LanguageTable::ofTranslationFile(fileName);
}

void FrontEnd::showWarning(const QString &text)
{
    MessageSeam::show(this, MessageSeam::Warning, m_warningTitle, text);
}

void FrontEnd::loadInitialTranslators()
{
    m_frontEndTranslator = new QTranslator;
    if (m_frontEndTranslator->load(QStringLiteral("frontend_") + m_languageCode,
                                   FrontEndTranslations)
        || m_frontEndTranslator->load(QStringLiteral("frontend_en"), FrontEndTranslations)) {
        QCoreApplication::installTranslator(m_frontEndTranslator);
    } else {
        showWarning(QStringLiteral("Unable to load translation file for front end."));
    }

    m_qtTranslator = new QTranslator;
    if (m_qtTranslator->load(QStringLiteral("qt_") + m_languageCode, QtTranslations)
        || m_qtTranslator->load(QStringLiteral("qt_en"), QtTranslations)) {
        QCoreApplication::installTranslator(m_qtTranslator);
    } else {
        showWarning(QStringLiteral("Unable to load default translation file for Qt."));
    }
}

void FrontEnd::reloadTranslators()
{
    if (m_frontEndTranslator) {
        QCoreApplication::removeTranslator(m_frontEndTranslator);
        delete m_frontEndTranslator;
    }
    m_frontEndTranslator = new QTranslator;
    if (m_frontEndTranslator->load(QStringLiteral("frontend_") + m_languageCode,
                                   FrontEndTranslations))
        QCoreApplication::installTranslator(m_frontEndTranslator);
    else
        showWarning(QStringLiteral("Unable to load translation file for front end."));

    if (!m_qtTranslator)
        m_qtTranslator = new QTranslator;
    QCoreApplication::removeTranslator(m_qtTranslator);
    if (m_qtTranslator->load(QStringLiteral("qt_") + m_languageCode, QtTranslations))
        QCoreApplication::installTranslator(m_qtTranslator);
    else
        showWarning(QStringLiteral("Unable to load translation file for Qt."));

    // The fixed form was translated once, in the language guessed at start; its wait screen
    // outlives the picker and must speak the language chosen.
    ui->retranslateUi(this);
}

void FrontEnd::prepareLanguages()
{
    delete m_scannerInfo;
    m_scannerInfo = new ScannerInfo(this);
    m_scannerInfo->setLanguage(m_languageCode);
    m_sourceMode = SourceMode::None;

    const QString productFile = HostFiles::hostPath(m_productXmlPath);
    const QString updateFile = HostFiles::hostPath(m_updateXmlPath);
    const bool hasProduct = QFileInfo::exists(productFile);
    if (hasProduct) {
        m_sourceMode = SourceMode::DiscOnly;
        m_scannerInfo->loadLanguages(m_productXmlPath);
    }
    // A downloaded catalogue counts only once it reads as one.
    if (QFileInfo::exists(updateFile) && m_scannerInfo->checkFile(m_updateXmlPath)) {
        m_sourceMode = hasProduct ? SourceMode::Merged : SourceMode::UpdateOnly;
        m_scannerInfo->loadLanguages(m_updateXmlPath);
    }
    if (m_sourceMode == SourceMode::None)
        return;

    const QStringList supported = m_scannerInfo->supportedLanguages();
    const QDir translations(FrontEndTranslations);
    const QStringList files = translations.entryList(
            {QStringLiteral("frontend_*.qm")}, QDir::Files, QDir::Unsorted);
    QList<QPair<QString, QString>> offered;
    for (const QString &file : files) {
        QTranslator translator;
        if (!translator.load(file, FrontEndTranslations))
            continue;
        const QString displayName = translator.translate("FrontEnd", "English");
        const QString code = languageCodeOfFile(file);
        if (supported.contains(code))
            offered.append({displayName, code});
    }
    // The resources list their files in no order a reader could follow; the names can be.
    std::sort(offered.begin(), offered.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto &language : qAsConst(offered))
        ui->Languages->addItem(language.first, language.second);

    if (ui->Languages->count() == 0) {
        MessageSeam::show(this,
                          MessageSeam::Critical,
                          m_designErrorTitle,
                          QStringLiteral("There are no languages available!"));
        return;
    }
    if (ui->Languages->count() == 1) {
        m_languageCode = ui->Languages->itemData(0).toString();
        set_up_main_ui();
        return;
    }

    int current = ui->Languages->findData(m_languageCode, Qt::UserRole, Qt::MatchExactly);
    if (current < 0)
        current = ui->Languages->findData(m_languageCode.left(2), Qt::UserRole, Qt::MatchExactly);
    if (current < 0) {
        current = ui->Languages->findData(QStringLiteral("en_us"), Qt::UserRole, Qt::MatchExactly);
        if (current >= 0)
            m_languageCode = QStringLiteral("en");
    }
    if (current < 0) {
        current = ui->Languages->findData(QStringLiteral("en"), Qt::UserRole, Qt::MatchExactly);
        if (current >= 0)
            m_languageCode = QStringLiteral("en");
    }
    if (current < 0)
        current = 0;
    ui->Languages->setCurrentIndex(current);

    connect(ui->LanguagePickerButtonBox,
            &QDialogButtonBox::accepted,
            this,
            &FrontEnd::set_up_main_ui);
    connect(ui->LanguagePickerButtonBox, &QDialogButtonBox::rejected, this, &FrontEnd::close);
    connect(ui->Languages,
            QOverload<int>::of(&QComboBox::currentIndexChanged),
            this,
            &FrontEnd::update_language);

    ui->WaitScreen->hide();
    const QRect picker = ui->LanguagePicker->geometry();
    const QSize size(picker.width() + 2 * picker.x(), picker.height() + 2 * picker.y());
    resize(size);
    setFixedSize(size);
    centreOnScreen(this);
    if (QPushButton *ok = ui->LanguagePickerButtonBox->button(QDialogButtonBox::Ok))
        ok->setDefault(true);
}

void FrontEnd::update_language()
{
    m_languageCode = ui->Languages->currentData().toString();
}
