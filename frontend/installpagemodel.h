#pragma once

// The Install Software page without its widgets: one row per catalogue entry, what is ticked,
// which source (disc or web) each row offers and which one is chosen, what is installed or
// still pending, and what the ticked rows still have to download. The window builds the rows'
// widgets, tells the model what the user ticks, and shows every row as the model describes it
// after each refresh.

#include "sourcemode.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class Application;

class InstallPageModel : public QObject
{
    Q_OBJECT

public:
    enum class Status {
        Hidden,
        Installed,       // the whole application ("Installed!", shown enabled)
        PartlyInstalled, // some of it, and the row is not ticked ("Installed!")
        WebOnly,         // only a download could install it, and there is none ("Web only")
        DownloadSize,    // the ticked row's download, downloadBytes
    };
    enum class Choice { Unchanged, Disc, Web };
    struct SourceView
    {
        bool shown = false;
        // Empty: the button keeps its tool tip.
        QString toolTip;
    };
    // How a row shows after the last refresh.
    struct RowView
    {
        bool tickable = true;
        bool ticked = false;
        // Empty: the check box keeps its tool tip.
        QString tickToolTip;
        Status status = Status::Hidden;
        qint64 downloadBytes = 0;
        SourceView disc;
        SourceView web;
        Choice choice = Choice::Unchanged;
    };

    // One row per application, in this order. ticks are the rows' ticks as built (the skin's).
    InstallPageModel(const QList<Application *> &applications,
                     SourceMode mode,
                     const QList<bool> &ticks,
                     QObject *parent = nullptr);

    SourceMode sourceMode() const { return m_mode; }
    int rowCount() const { return m_applications.size(); }
    Application *application(int row) const { return m_applications.value(row); }
    int rowOf(const Application *application) const;
    RowView row(int row) const { return m_rows.value(row); }
    // An application without installers: its row stays as built, never ticked by a refresh.
    bool offersNothing(int row) const;

    QList<Application *> tickedApplications() const;
    // What the ticked rows still download, as the last refresh counted it.
    quint64 downloadTotal() const { return m_downloadTotal; }
    // The action is a download first (the button reads "Download", not "Install").
    bool downloadsFirst() const;
    bool anyTicked() const;
    // Some row offers its software from the web. A disc-only page offers nothing newer: a row's
    // disc source alone is no news of a newer version.
    bool anyWebSourceOffered() const;

    // What the action hands on: the ticked applications to install, or, when it downloads
    // first, those of them that still lack a download.
    QList<Application *> applicationsToInstall() const;
    QList<Application *> applicationsToDownload() const;

    // The ticked rows as the recovery entry keeps them: the short name, and for a disc/web pair
    // the source chosen after a "/".
    QStringList selection() const;
    // Ticks again what selection names, where a row can still be ticked, and refreshes.
    // Returns the display names of the rows ticked.
    QStringList applySelection(const QStringList &selection);

public slots:
    // Every tick or source choice lands here (the rows' ticks directly).
    void setTicked(int row, bool ticked);
    // Checks what is installed and recomputes every row and the download total.
    void refresh();
    // After the helper finished the application: its row from a fresh check.
    void refreshAfterInstallation(Application *application);

signals:
    void refreshed();
    void rowChanged(int row);

private:
    void refreshRow(int row, bool firstRefresh);
    void showInstalled(RowView &view) const;
    void showDiscEntry(int row, RowView &view, bool firstRefresh) const;
    void showWebEntry(int row, RowView &view, bool firstRefresh);
    void showWebOnly(RowView &view) const;
    void showPair(int row, RowView &view, bool firstRefresh);
    void countDownload(int row, RowView &view);

    QList<Application *> m_applications;
    SourceMode m_mode;
    QVector<RowView> m_rows;
    bool m_refreshed = false;
    quint64 m_downloadTotal = 0;
    bool m_downloadPending = false;
};
