#pragma once

// What main decides before the window exists: the process-wide paths, where the product
// description comes from, whether this is a resume and whether device selection must run.

#include <QString>
#include <QStringList>

class StartupPlan
{
public:
    // Applies the start-up rules for a program in programDir started with arguments (the
    // program's own arguments, without its name): honours the exit marker, sets SetupPath,
    // DownloadPath and UpdatePath (with "\" separators), clears a stale UpdatePath and follows
    // DVDPath.xml.
    static StartupPlan prepare(const QString &programDir, const QStringList &arguments);

    // The folder for update.xml when started from the disc; empty otherwise.
    static QString updateXmlDir();
    static void setUpdateXmlDir(const QString &folder);

    bool exitAtOnce = false;
    bool needsDeviceSelection = false;
    bool isResume = false;
    int resumeStep = 0;
    QString resumeLanguage;
};
