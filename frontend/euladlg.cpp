#include "euladlg.h"
#include "ui_euladlg.h"

#include "frontendhooks.h"
#include "hostfiles.h"
#include "languagetable.h"

#include <QFile>
#include <QTextCodec>
#include <QTextStream>

EULADlg::EULADlg(QWidget *parent, Qt::WindowFlags flags, const QString &htmlPath)
    : QDialog(parent, flags)
    , ui(new Ui::EULA_dlg)
{
    ui->setupUi(this);
    // No help button and no system menu: a plain question with a title. Without the customize
    // hint Qt would put the system menu of a titled window back.
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint
                   & ~Qt::WindowSystemMenuHint);
    ui->textBrowser->setAcceptRichText(true);
    showLicence(htmlPath);
}

EULADlg::~EULADlg()
{
    delete ui;
}

void EULADlg::showLicence(const QString &htmlPath)
{
    // A licence that cannot be read leaves the page empty; agreeing stays possible.
    QFile file(HostFiles::hostPath(htmlPath));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QByteArray content = file.readAll();
    // Licences come in every language of the disc: the page's own charset (or byte order mark)
    // decides, so a UTF-8 text reads the same under any Windows code page.
    QTextStream stream(content);
    stream.setCodec(QTextCodec::codecForHtml(content, QTextCodec::codecForLocale()));
    ui->textBrowser->setHtml(stream.readAll());
}

void EULADlg::on_m_btnAgree_clicked()
{
    accept();
}

void EULADlg::on_m_btnReject_clicked()
{
    reject();
}

bool EULADlg::agree(QWidget *parent, const QString &htmlPath)
{
    EULADlg dialog(parent, Qt::WindowFlags(), htmlPath);
    return FrontEndHooks::runLicenceDialog(&dialog) == QDialog::Accepted;
}

QString EULADlg::licencePath(Licence licence, const QString &languageCode)
{
    return FrontEndHooks::programDirectory() + QLatin1Char('\\')
           + LanguageTable::licenceFile(languageCode, licence == BrandLicence)
                     .replace(QLatin1Char('/'), QLatin1Char('\\'));
}
