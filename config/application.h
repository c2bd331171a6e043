#pragma once

// One application as the engine installs it. It comes in three forms, each with its named
// constructor: a catalogue entry (what the Install page offers as one row), a disc entry and a
// web entry of the same name joined into one row, and the run-list entry that setup_runner
// rebuilds from what setup handed over.

#include "pathvariables.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QStringList>

class Executable;
class Installer;
class QDomElement;
class UserGuide;

class Application : public QObject
{
    Q_OBJECT

public:
    // A catalogue entry (setup): one "application" element of a product file, read in the
    // user's language; fromWeb marks an entry of the update description. owner is the parent of
    // the boxes that reading shows. An element of another name gives an empty entry.
    static Application *fromCatalogue(const QDomElement &element,
                                      const QString &languageCode,
                                      const QString &countryCode,
                                      bool fromWeb,
                                      QObject *owner,
                                      QObject *parent = nullptr);
    // Whether an "application" element asks the user to agree to the brand's licence (Corvex) or
    // the maker's (Tamberlin) before it installs; what needsBrandLicence() and
    // needsMakerLicence() of its entry say.
    static bool asksForLicence(const QDomElement &element, bool brand);
    // The disc entry and the web entry of one short name joined into one row (merged
    // catalogues): it offers the installers of the variant the DVD/WEB choice names, and owns
    // neither entry.
    static Application *
    combining(Application *webEntry, Application *discEntry, QObject *parent = nullptr);
    // A run-list entry (setup_runner): one "Application" element as setup wrote it. An element
    // of another name gives an entry without installers.
    static Application *fromRunList(const QDomElement &element, QObject *parent = nullptr);

    // The run-list text of this entry; order -1 leaves the Order attribute out.
    QString toRunList(int order);
    // The installers that the last toRunList() wrote, in its order: setup_runner holds only
    // these, so the installer indices it reports count them.
    QList<Installer *> runListInstallers() const { return m_runListInstallers; }

    // Whether an "application" element's Language attribute admits this language.
    static bool appliesToLanguage(const QString &languageAttribute,
                                  const QString &languageCode,
                                  const QString &countryCode);

    QStringList platformTags() const { return m_platformTags; }
    quint16 osVersion() const { return m_osVersion; }
    QObject *owner() const { return m_owner; }
    QString languageCode() const { return m_language.languageCode; }
    QString countryCode() const { return m_language.countryCode; }
    QString lcid() const { return m_language.lcid; }
    QString lcidHex() const { return m_language.lcidHex; }
    QString shortName() const { return m_shortName; }
    QString displayName() const { return m_displayName; }
    QString description() const { return m_description; }
    // The catalogue's fixed point sizes of the two texts; 0 keeps the skin's font.
    double displayNamePointSize() const { return m_displayNamePointSize; }
    double descriptionPointSize() const { return m_descriptionPointSize; }
    QString tooltip() const { return m_tooltip; }
    bool isSelectedByDefault() const { return m_selectedByDefault; }
    bool isReadOnly() const { return m_readOnly; }
    bool isOnDisc2() const { return m_onDisc2; }
    bool needsBrandLicence() const { return m_brandLicence; }
    bool needsMakerLicence() const { return m_makerLicence; }
    bool isUsbOnly() const { return m_usbOnly; }
    bool isNetOnly() const { return m_netOnly; }
    QList<UserGuide *> userGuides() const { return m_userGuides; }
    QStringList dependsOn() const { return m_dependsOn; }
    bool isFromWeb() const { return m_fromWeb; }

    bool isCombined() const { return m_discEntry && m_webEntry; }
    Application *discEntry() const { return m_discEntry; }
    Application *webEntry() const { return m_webEntry; }
    bool useWebVersion() const { return m_useWebVersion; }
    void setUseWebVersion(bool useWeb) { m_useWebVersion = useWeb; }
    // The entry whose installers are offered now: for a combined entry the variant chosen,
    // otherwise this one.
    const Application *chosenVariant() const;

    // The installers in effect: for a combined entry those of the chosen variant.
    QList<Installer *> installers() const;
    // The entry's own installers, ordered by Order (empty for a combined entry).
    QList<Installer *> ownInstallers() const { return m_installers; }

    // Checks every installer (of both variants, for a combined entry) and keeps what it found:
    // the questions below answer from the last refresh.
    void refreshInstalledState();
    // No installer is pending; a combined entry counts as installed when both variants are.
    bool isInstalled() const;
    // Not installed, split by where the installer comes from: the disc, or a download.
    QList<Installer *> pendingLocalInstallers() const { return m_pendingLocalInstallers; }
    QList<Installer *> pendingWebInstallers() const { return m_pendingWebInstallers; }
    bool isDiscVersionInstalled() const;
    bool isWebVersionInstalled() const;
    // Some installer still to install is a download (a combined entry: of the variant chosen).
    bool needsWeb() const;

    // What is still to be fetched before installing: the pending web installers whose payload
    // is not complete in the download folder yet. A payload without a catalogue size is needed
    // yet adds no bytes.
    struct RemainingDownload
    {
        bool needed = false;
        qint64 bytes = 0;
    };
    // For an installation from the source chosen (a combined entry: its chosen variant).
    RemainingDownload remainingDownload() const;
    // For an installation from the web: a combined entry answers for its web entry, whichever
    // source is chosen.
    RemainingDownload remainingWebDownload() const;

    // Pairs of installers that the disc/web merge found to be the same version.
    void addTwins(Installer *discInstaller, Installer *webInstaller);
    QList<Installer *> twinDiscInstallers() const { return m_twinDiscInstallers; }
    QList<Installer *> twinWebInstallers() const { return m_twinWebInstallers; }

    // Installing (setup_runner): runs the effective installers in order, asking before one that
    // is already installed; installComplete() follows the last.
    void install();
    void installNext();
    // The index of the next installer to examine; -1 before install().
    int nextInstallerIndex() const { return m_nextInstaller; }

    // Downloading (setup): fetches the payloads still missing, one after another.
    void startDownloads(int applicationIndex);
    // The payload download in flight, if any, kept or continued where it stopped.
    bool hasCurrentDownload() const { return m_downloadingInstaller != nullptr; }
    void pauseDownload();
    void resumeDownload();
    // Drops the connections of the download in flight (its file stays as far as it got).
    void abandonDownload();
    void downloadNext();
    QList<Installer *> installersToDownload() const { return m_installersToDownload; }
    qint64 totalDownloadSize() const { return m_totalDownloadSize; }
    qint64 finishedDownloadBytes() const { return m_finishedDownloadBytes; }
    int applicationIndex() const { return m_applicationIndex; }
    // The row's download status ("42 %").
    QString downloadStatusText() const { return m_downloadStatusText; }

signals:
    void installComplete();
    void showPleaseWait(QString _qstrImage);
    void hidePleaseWait();
    void changedDownloadState();
    void downloadStatusTextChanged(const QString &text);
    void sigDownloadComplete(int iAppIndex);
    void sigDownloadProgress(
            int, qint64 nSpeed, qint64 iBytesAtPause, qint64 iBytesReceived, qint64 iBytesTotal);
    void sigDownloadError(int, QNetworkReply::NetworkError code);
    void sigDownloadTimeout(int);
    void sigDownloadCanBePaused(int, bool bCanBePaused);
    // A completed download did not match its SHA-256; the file is gone.
    void sigDownloadDamaged(int iAppIndex);
    // setup_runner refused an installer (PayloadCache::Refusal); the application stops there
    // and completes.
    void installFailed(int reason);
    // The running installer's programs (Installer's signals of the same names).
    void programStarting(Executable *program);
    void programFinished(Executable *program);

public slots:
    void installerDone();
    void stateCheckBoxChanged(int iState);
    void clickedDVD(bool bChecked);
    void clickedWEB(bool bChecked);
    void sltDownloadComplete(int iInstIndex);
    void sltDownloadProgress(int, qint64, qint64, qint64, qint64);
    void sltDownloadError(int, QNetworkReply::NetworkError);
    void sltDownloadTimeout(int);
    void sltDownloadCanBePaused(int, bool);
    void sltDownloadDamaged(int iInstIndex);

private:
    explicit Application(QObject *parent);
    void readCatalogueElement(const QDomElement &element,
                              const QString &languageCode,
                              const QString &countryCode);
    void readRunListElement(const QDomElement &element);

    Installer *takeNextInstaller();
    QString questionName(Installer *installer) const;
    void connectDownload(Installer *installer);
    void disconnectDownload(Installer *installer);

    void readInstallationPlatform(const QDomElement &group);
    bool groupApplies(const QDomElement &group) const;
    void readInstaller(const QDomElement &element);
    void readSha256(Installer &installer, const QString &value, const QString &executable);
    void readUserGuide(const QDomElement &element);
    void placeInstaller(Installer *installer, int order);

    QStringList m_platformTags;
    quint16 m_osVersion = 0;
    QObject *m_owner = nullptr;
    QString m_errorTitle;
    LanguageFields m_language;
    QString m_shortName;
    QString m_displayName;
    double m_displayNamePointSize = 0;
    QString m_description;
    double m_descriptionPointSize = 0;
    QString m_tooltip;
    bool m_selectedByDefault = false;
    bool m_readOnly = false;
    bool m_onDisc2 = false;
    bool m_brandLicence = false;
    bool m_makerLicence = false;
    bool m_usbOnly = false;
    bool m_netOnly = false;
    QList<UserGuide *> m_userGuides;
    QStringList m_dependsOn;
    QList<Installer *> m_installers;
    QList<Installer *> m_runListInstallers;
    QList<Installer *> m_pendingLocalInstallers;
    QList<Installer *> m_pendingWebInstallers;
    bool m_fromWeb = false;
    Application *m_discEntry = nullptr;
    Application *m_webEntry = nullptr;
    bool m_useWebVersion = false;
    // What the last refresh found for an entry of its own (a combined entry asks its variants).
    bool m_installed = false;
    QList<Installer *> m_twinDiscInstallers;
    QList<Installer *> m_twinWebInstallers;
    int m_nextInstaller = -1;
    int m_downloadIndex = 0;
    int m_applicationIndex = -1;
    qint64 m_totalDownloadSize = 0;
    qint64 m_finishedDownloadBytes = 0;
    QList<Installer *> m_installersToDownload;
    Installer *m_downloadingInstaller = nullptr;
    QString m_downloadStatusText;
};
