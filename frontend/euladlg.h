#pragma once

// The licence agreement shown before an installation goes ahead: an HTML text and the two
// answers. The Install page asks through agree() and installs only when it returns true.

#include <QDialog>

namespace Ui {
class EULA_dlg;
}

class EULADlg : public QDialog
{
    Q_OBJECT

public:
    enum Licence { BrandLicence, MakerLicence };

    EULADlg(QWidget *parent, Qt::WindowFlags flags, const QString &htmlPath);
    ~EULADlg() override;

    // Shows the licence at htmlPath modally (through FrontEndHooks::runLicenceDialog, so tests
    // can answer it); true only when the user agreed.
    static bool agree(QWidget *parent, const QString &htmlPath);
    // Where the disc keeps a licence: the program's folder + LanguageTable::licenceFile.
    static QString licencePath(Licence licence, const QString &languageCode);

private slots:
    void on_m_btnAgree_clicked();
    void on_m_btnReject_clicked();

private:
    void showLicence(const QString &htmlPath);

    Ui::EULA_dlg *ui;
};
