#pragma once

// The main window of setup and the binding of its skin. What an installation needs without a
// window lives in classes of its own, which the window owns and wires to its widgets: the
// Install Software page's state (InstallPageModel), the downloads before an installation
// (DownloadSession) and the helper that installs (HelperChannel).
//
// The window's code is split by concern: frontend_startup.cpp (construction, single-instance
// guard, clean-up), frontend_language.cpp (translators and the language picker),
// frontend_skin.cpp (loading and binding the skin), frontend_navigation.cpp (pages, menu
// entries, window handling), frontend_installpage.cpp (the Install Software page's widgets),
// frontend_download.cpp (its action button and the download session's display),
// frontend_installation.cpp (handing the selection to setup_runner and showing its progress),
// frontend_guides.cpp (the user-guide pages) and frontend_update.cpp (device selection and the
// online update check).

#include "installrow.h"
#include "sourcemode.h"

#include "downloadsession.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

class Application;
class FocusRing;
class HelperChannel;
class InstallPageModel;
class QIcon;
class QLayout;
class QNetworkAccessManager;
class QSharedMemory;
class QTimer;
class QTranslator;
class ScannerInfo;

namespace Ui {
class FrontEnd;
}

class FrontEnd : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrontEnd(int resumeStep, QWidget *parent = nullptr);
    ~FrontEnd() override;

    void prepareLanguages();
    void resumeInLanguage(const QString &languageCode, int step);
    // Device selection of a copy without its disc: false when setup is to end (a newer setup
    // was started or no scanner was chosen).
    bool runDeviceSelection();
    // True once the online check started a newer setup: this one closes and must not show.
    bool newerSetupStarted() const { return m_newerSetupStarted; }

    bool connectSkinElement(const QString &name, QObject *receiver, const char *slot, bool report);
    bool
    disconnectSkinElement(const QString &name, QObject *receiver, const char *slot, bool report);
    QWidget *replaceWithHoverWidget(QWidget *widget, QWidget *target, bool showOnHover);
    static QLayout *findLayoutOf(QWidget *widget, QLayout *layout);
    static QWidget *cloneWidget(QWidget *templateWidget,
                                const QString &objectName,
                                const QString &value,
                                const QString &textFormat,
                                QLayout *layout,
                                int row,
                                int column);
    static void setVariableText(QWidget *widget,
                                bool captureTemplate,
                                QString &templateText,
                                const QString &value,
                                QObject *receiver = nullptr,
                                const char *slot = nullptr);
    bool showPage(const QString &prefix);
    void updateClearCacheButton();
    // Where no window manager places a window (or the window it would be centred on is not
    // shown yet), it opens centred on its screen rather than in a corner.
    static void centreOnScreen(QWidget *window);
    // The catalogue's fixed point size; 0 or less keeps the skin's font.
    static void setFixedPointSize(QWidget *widget, double pointSize);

    // System locale name ("de_DE") -> the front end's language code ("de_de").
    static QString normalizeLanguageCode(const QString &localeName);
    // "frontend_pt_br.qm" -> "pt_br", "frontend_de.qm" -> "de".
    static QString languageCodeOfFile(const QString &fileName);

    QString languageCode() const { return m_languageCode; }
    SourceMode sourceMode() const { return m_sourceMode; }
    int resumeStep() const { return m_resumeStep; }
    ScannerInfo *scannerInfo() const { return m_scannerInfo; }
    QSharedMemory *segment() const { return m_segment; }
    QString productXmlPath() const { return m_productXmlPath; }
    QString updateXmlPath() const { return m_updateXmlPath; }
    QString errorTitle() const { return m_errorTitle; }
    QTimer *exitTimer() const { return m_exitTimer; }
    bool isInstalling() const { return m_installing; }
    void setInstalling(bool installing) { m_installing = installing; }
    bool isCloseConfirmOpen() const { return m_closeConfirmOpen; }
    // The Install Software page's rows, in catalogue order, and its state (null until the
    // rows are built).
    QList<InstallRow> installRows() const { return m_rows; }
    InstallPageModel *installPage() const { return m_installPage; }
    DownloadSession *downloadSession() const { return m_downloads; }
    HelperChannel *helperChannel() const { return m_helper; }
    // True when the constructor found another copy running (only seen when a test keeps the
    // process alive).
    bool endedAtStart() const { return m_endedAtStart; }

signals:
    // Setting up the main menu stopped at a fault in the skin or product files (reported
    // already). The window stays hidden: the program has nothing left to show and must end.
    void mainMenuFailed();

public slots:
    void set_up_main_ui();
    void update_language();

    void navigate_MM();
    void navigate_UG();
    void navigate_SD();
    void navigate_SWD();
    void navigate_D2();
    void navigate_TY();
    void navigate_IS();
    void TY_Exit_clicked();
    void launch_scanner_readme();
    void launch_website();
    void browse_disc_contents();
    void clear_cache_from_main();
    void show_viewReadme_description();
    void hide_viewReadme_description();
    void show_please_wait(const QString &_qstrImgName);
    void hide_please_wait();
    void launch_reader_installer();

    void install_selected_apps();
    void clear_cache();
    void complete_installation();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // start-up
    void acquireSingleInstance();
    // navigation: leaves through closing the window, keeping the recovery entry if it stays
    void leave();
    // languages
    void loadInitialTranslators();
    void reloadTranslators();
    // skin
    QWidget *skinObject(const QString &name) const;
    QWidget *requireObject(const QString &name);
    void showError(const QString &title, const QString &text);
    void showWarning(const QString &text);
    bool setUpMainMenu();
    void enterChosenLanguage();
    bool loadProductFiles();
    bool runUpdateCheck();
    QWidget *loadSkin(QTranslator &skinTranslator);
    void loadSkinResources(const QString &skin);
    QWidget *loadSkinForm(const QString &skin);
    void placeSkin(QWidget *root);
    void setScannerNameText(QWidget *root);
    bool prepareMenuEntries();
    void raiseFixedForm();
    bool compactMenu();
    bool bindMainMenu();
    void applyBindingTable();
    void buildPages();
    // Keyboard and screen-reader use of the skin, once its pages are built.
    void prepareForKeyboardAndReaders(QWidget *root);
    bool showMainMenu();
    QList<QWidget *> menuEntries() const;
    QList<int> menuEntryTops() const;
    void closeMenuGaps(const QList<int> &tops);
    void applyTrademarkNotice();
    // install page and guides
    void buildInstallRows();
    bool buildRowWidgets();
    void setUpBusyAnimation();
    void buildGuidePages();
    void wireRows();
    void showInstallPage();
    void showRow(int row);
    void enablePageActions();
    void updateInstallClearCacheButton();
    void setActionText(const QString &text);
    bool agreeToLicences();
    void lockPage();
    // Focus held by the locked page goes to its action button once that can be pressed again.
    void returnParkedFocus();
    void unlockRows();
    // The download session as the page shows it.
    void wireDownloadSession();
    void startDownloadSession(const QList<Application *> &applications);
    // "calculating" in the speed and time labels until the next report.
    void showDownloadLabels();
    void hideDownloadLabels();
    void showDownloadProgress(qint64 bytesPerSecond, qint64 secondsLeft);
    void showPausable(bool canBePaused);
    void showPaused();
    void finishDownloads();
    void failDownloads(DownloadSession::Failure failure,
                       Application *application,
                       QNetworkReply::NetworkError code);
    // The download directory as the host's file system knows it.
    static QString downloadFolder();
    static void removeDownloadFolder();
    void writeRecoveryValue();
    // After a resume: ticks again what the interrupted installation had been given and says so.
    void offerInterruptedSelection();
    void abandonInstallation(const QString &text);
    void endDownloadSession();
    // The helper's progress as the page shows it.
    void wireHelperChannel();
    void startInstallation(const QList<Application *> &applications);
    void sendInstallReport();
    void finishInstallation();
    void reportRefusedApplication(Application *application, int reason);
    void markRowInstalling(Application *application);
    void updateRowAfterInstall(Application *application);
    void showWaitScreen(const QString &image);
    InstallRow *rowOf(Application *application);

    QString m_productXmlPath;
    QString m_updateXmlPath;
    QString m_errorTitle;
    QString m_designErrorTitle;
    QString m_warningTitle;
    QStringList m_pagePrefixes;
    QString m_languageCode;
    QTranslator *m_frontEndTranslator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    ScannerInfo *m_scannerInfo = nullptr;
    int m_resumeStep = 0;
    // What the interrupted installation had been given (see RecoveryEntry::selection).
    QStringList m_resumeSelection;
    QString m_segmentKey;
    QSharedMemory *m_segment = nullptr;
    QIcon *m_windowIcon = nullptr;
    SourceMode m_sourceMode = SourceMode::None;
    Ui::FrontEnd *ui = nullptr;

    QTimer *m_exitTimer = nullptr;
    bool m_installing = false;
    bool m_closeConfirmOpen = false;
    bool m_dragging = false;
    QPoint m_dragOffset;

    QList<InstallRow> m_rows;
    InstallPageModel *m_installPage = nullptr;
    // Between an action that hands the page's choice on and its end: no row can be changed.
    bool m_pageLocked = false;
    DownloadSession *m_downloads = nullptr;
    HelperChannel *m_helper = nullptr;
    QNetworkAccessManager *m_network = nullptr;
    bool m_endedAtStart = false;
    bool m_newerSetupStarted = false;
    FocusRing *m_focusRing = nullptr;
};
