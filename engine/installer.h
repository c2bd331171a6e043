#pragma once

// One step of an application's installation: the programs to run, the check that tells
// whether it is installed, and, for installers offered from the web, what to download.

#include "checker.h"

#include <QList>
#include <QObject>
#include <QStringList>

class Executable;

class Installer : public QObject
{
    Q_OBJECT

public:
    explicit Installer(QObject *parent = nullptr);

    Executable *mainInstallStep() const { return m_mainInstallStep; }
    QList<Executable *> preInstallSteps() const { return m_preInstallSteps; }
    QList<Executable *> postInstallSteps() const { return m_postInstallSteps; }
    // Takes ownership.
    void addPreInstallStep(Executable *step);
    void addPostInstallStep(Executable *step);

    Checker &checker() { return m_checker; }
    const Checker &checker() const { return m_checker; }
    void setChecker(const Checker &checker) { m_checker = checker; }

    bool needsWaitScreen() const { return m_needsWaitScreen; }
    void setNeedsWaitScreen(bool needs) { m_needsWaitScreen = needs; }
    QString waitScreenImage() const { return m_waitScreenImage; }
    void setWaitScreenImage(const QString &image) { m_waitScreenImage = image; }
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    bool avoidReinstallation() const { return m_avoidReinstallation; }
    void setAvoidReinstallation(bool avoid) { m_avoidReinstallation = avoid; }
    bool forceReboot() const { return m_forceReboot; }
    void setForceReboot(bool force) { m_forceReboot = force; }
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }
    qint64 size() const { return m_size; }
    void setSize(qint64 size) { m_size = size; }
    QString downloadPath() const { return m_downloadPath; }
    void setDownloadPath(const QString &path) { m_downloadPath = path; }
    QString compression() const { return m_compression; }
    void setCompression(const QString &compression) { m_compression = compression; }
    int order() const { return m_order; }
    void setOrder(int order) { m_order = order; }
    QStringList prerequisiteOf() const { return m_prerequisiteOf; }
    void setPrerequisiteOf(const QStringList &names) { m_prerequisiteOf = names; }
    bool primary() const { return m_primary; }
    void setPrimary(bool primary) { m_primary = primary; }
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // True without a URL; otherwise when the file at the download path has exactly size bytes.
    bool isDownloaded() const;

private:
    Executable *m_mainInstallStep;
    QList<Executable *> m_preInstallSteps;
    QList<Executable *> m_postInstallSteps;
    Checker m_checker;
    bool m_needsWaitScreen = false;
    QString m_waitScreenImage;
    int m_step = 0;
    int m_stepIndex = 0;
    Executable *m_runningExecutable = nullptr;
    QString m_displayName;
    bool m_avoidReinstallation = false;
    bool m_forceReboot = false;
    QString m_url;
    qint64 m_size = 0;
    QString m_downloadPath;
    QString m_compression;
    int m_order = 0;
    QStringList m_prerequisiteOf;
    bool m_primary = false;
    int m_index = 0;
};
