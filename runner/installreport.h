#pragma once

// The note setup sends to the maker's update server each time the helper was started: which
// product, which scanner, how it is connected and which installers were chosen. It is a
// best-effort statistic: the reply is discarded and a failure is never shown.

#include <QList>
#include <QString>

class Application;
class QNetworkAccessManager;
class QNetworkRequest;
class ScannerInfo;

class InstallReport
{
public:
    static constexpr char Path[] = "/Downloads/updater/LogInstalled.php";
    static constexpr char QueryKey[] = "entry";
    static constexpr char ApiKeyHeader[] = "api-key";
    static constexpr char ApiKey[] = "5A7E2C19-3B84-4D6F-A0C2-81E9F47B3D60";
    // A server that accepts the request and then falls silent is given up after this.
    static constexpr int TimeoutMs = 30000;

    // "entry=<PID>__<serial>__<Net|USB>" and, for each entry of info.applications() that is in
    // tickedApplications (catalogue order, whatever the order of the list), "__" + the download
    // target's file name without extension for each of its installers ("__" alone for an
    // installer without download). The serial is the process-wide one (SetupSettings).
    static QString queryText(const ScannerInfo &info,
                             const QList<Application *> &tickedApplications);
    // What one installer adds to the query text after its "__".
    static QString installerName(const QString &downloadPath);

    // The GET request for queryText on the configured update host, over HTTPS. Key and value
    // are percent-encoded completely, so that the server decodes exactly the value ("+", "&"
    // and "#" in file names included).
    static QNetworkRequest request(const QString &queryText);
    // Sends request(queryText) through manager; the reply reads and deletes itself.
    static void send(QNetworkAccessManager *manager, const QString &queryText);
};
