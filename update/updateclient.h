#pragma once

// What setup asks of the maker's update server and web host, in one place for both update
// dialogs: the addresses of its files, the rule that they come over https only, the size each
// kind of file may reach, and the guarded read of the XML files it sends. Nothing here keeps
// state or needs a window, so a worker thread or an asynchronous caller can use it as well.

#include <QNetworkReply>
#include <QString>
#include <QUrl>

class DownloadManager;
class QDomDocument;

class UpdateClient
{
public:
    enum class FileKind {
        // Bundle selection, scanner, bundle and setup description files: XML, as large as the
        // XML guard reads at most.
        Description,
        // The self-extracting setup package.
        SetupPackage,
    };
    // Our package (setup, its helper, the skin, translations) is tens of megabytes; this leaves
    // room for several times that, yet a server that never stops sending cannot fill the disk.
    static constexpr qint64 SetupPackageLimit = 256 * 1024 * 1024;
    static qint64 sizeLimit(FileKind kind);

    // The update server's "/Downloads/updater" over https.
    static QString updateBaseUrl();
    // "%1/%2/Windows/%2_SN.xml" and "%1/%2/Windows/%2_%3.xml" below base.
    static QUrl bundleSelectionUrl(const QString &base, const QString &productId);
    static QUrl
    scannerFileUrl(const QString &base, const QString &productId, const QString &bundleType);
    // A scanner file's BundleURL after the two rewrites of plain http addresses of the update
    // server and of the maker's web host to the update server over https.
    static QUrl bundleUrl(const QString &address);
    // TamberlinUpdate.xml and TamberlinUpdate.exe on the maker's web host, over https.
    static QUrl setupDescriptionUrl();
    static QUrl setupPackageUrl();

    // Only https with a host: anything else would let whoever sits on the way choose what
    // setup installs.
    static bool isSecure(const QUrl &url);
    // What the dialogs say when an address is not https.
    static QString insecureAddressText();
    // The server has no such file: an answer in itself for some requests.
    static bool isNotFound(QNetworkReply::NetworkError code);
    // No answer came from the server at all (refused, unknown host, proxy, broken connection):
    // the user is to look at the connection, not at the server.
    static bool isUnreachable(QNetworkReply::NetworkError code);
    // What the dialogs say then.
    static QString noConnectionText();
    // What they say when the server has no software for model.
    static QString notSupportedText(const QString &model);

    // Starts downloader on url into hostTarget, bounded by kind's size, after removing what an
    // earlier run left of the target (a side file resumed from another run could join two
    // versions of a file). False, with nothing started, when url is not secure.
    static bool
    fetch(DownloadManager &downloader, const QUrl &url, const QString &hostTarget, FileKind kind);

    // True when the file passes the XML guard (read once, decoded once for guard and DOM),
    // parses into document and its root's tag, lower-cased, is rootName.
    static bool readRoot(const QString &hostFile, const QString &rootName, QDomDocument &document);
};
