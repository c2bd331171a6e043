#pragma once

// The main window of setup. Its behaviour is split by concern over several files:
// frontend_startup.cpp (construction, single-instance guard, clean-up), frontend_language.cpp
// (translators and the language picker), frontend_skin.cpp (loading and binding the skin),
// frontend_navigation.cpp (pages, menu entries, window handling), frontend_installpage.cpp (the
// Install Software page's rows), frontend_download.cpp (its action button and downloads),
// frontend_installation.cpp (handing the selection to setup_runner and following it),
// frontend_guides.cpp (the user-guide pages) and frontend_update.cpp (device selection and the
// online update check).

#include "installrow.h"
#include "sourcemode.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QNetworkReply>
#include <QPoint>
#include <QStringList>

class Application;
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
    // The Install Software page's rows, in catalogue order, and its state.
    QList<InstallRow> installRows() const { return m_rows; }
    QList<Application *> runList() const { return m_runList; }
    QList<Application *> downloadList() const { return m_downloadList; }
    quint64 downloadTotal() const { return m_downloadTotal; }
    bool isDownloadPending() const { return m_downloadPending; }
    bool isPauseRequested() const { return m_pauseRequested; }
    QTimer *pollTimer() const { return m_pollTimer; }
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
    void navigate_IS_Setup();
    void navigate_IS_Update();
    void navigate_IS_SetupUpdate();
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
    void handle_message();
    void complete_installation();

    void sltDownloadComplete(int iAppIndex, qint64 nReceivedBytes);
    void sltDownloadProgress(int iAppIndex,
                             qint64 nSpeed,
                             qint64 iBytesAtPause,
                             qint64 iBytesReceived,
                             qint64 iBytesTotal);
    void sltDownloadError(int iAppIndex, QNetworkReply::NetworkError code);
    void sltDownloadTimeout(int iAppIndex);
    void sltDownloadCanBePaused(int iAppIndex, bool bCanBePaused);

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
    bool loadProductFiles();
    bool runUpdateCheck();
    void setScannerNameText(QWidget *root);
    bool compactMenu();
    void applyBindingTable();
    void applyTrademarkNotice();
    // install page and guides
    void buildInstallRows();
    void buildGuidePages();
    void wireRows();
    void refreshInstalledRow(const InstallRow &row);
    void refreshDiscRow(const InstallRow &row, bool firstRefresh);
    void refreshWebRow(const InstallRow &row, bool firstRefresh);
    void refreshPairRow(const InstallRow &row, bool firstRefresh);
    void countDownload(const InstallRow &row);
    void refreshWebOnlyRow(const InstallRow &row);
    bool beginRefresh(bool countsDownloads);
    void finishRefresh(bool countsDownloads);
    void failDownloads(int index, const QString &title, const QString &text);
    void enablePageActions();
    void updateInstallClearCacheButton();
    void setActionText(const QString &text);
    bool actionTextIs(const QString &text) const;
    bool agreeToLicences();
    void lockPage();
    void unlockRows();
    void startDownloadSession();
    // "calculating" in the speed and time labels until the next report.
    void showDownloadLabels();
    void connectDownload(Application *application);
    void disconnectDownload();
    Application *currentDownload() const;
    // The download directory as the host's file system knows it.
    static QString downloadFolder();
    static void removeDownloadFolder();
    bool startNextDownload(int from);
    void finishDownloads();
    void writeRecoveryValue();
    // After a resume: ticks again what the interrupted installation had been given and says so.
    void offerInterruptedSelection();
    void abandonInstallation(const QString &text);
    void endDownloadSession();
    void refreshRowsByMode();
    void startInstallation();
    void sendInstallReport();
    void handleHelperMessage(int type, int value1, int value2);
    void reportRefusedApplication(int runIndex, int reason);
    void markRowInstalling(int runIndex);
    void updateRowAfterInstall(int runIndex);
    void showWaitOf(int runIndex, int installerIndex);
    void stopPolling();
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
    QTimer *m_pollTimer = nullptr;

    QList<InstallRow> m_rows;
    bool m_rowsWired = false;
    quint64 m_downloadTotal = 0;
    bool m_downloadPending = false;
    quint64 m_downloadDone = 0;
    QList<Application *> m_downloadList;
    int m_downloadIndex = 0;
    // Set while an application's download is being started (see startNextDownload).
    bool m_startingDownload = false;
    bool m_pauseRequested = false;
    int m_progressMillis = 0;
    QElapsedTimer m_progressClock;
    QList<QMetaObject::Connection> m_downloadConnections;
    QList<Application *> m_runList;
    int m_runIndex = -1;
    QNetworkAccessManager *m_network = nullptr;
    bool m_endedAtStart = false;
    bool m_newerSetupStarted = false;
};
