#include "bundlemerge.h"

#include "xmlguard.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

bool parse(const QByteArray &content, const QString &rootName, QDomDocument &document)
{
    return XmlGuard::check(content) && document.setContent(content)
           && document.documentElement().tagName().toLower() == rootName;
}

QDomElement applicationNamed(const QDomElement &root, const QString &shortName)
{
    for (QDomElement entry = root.firstChildElement(QStringLiteral("Application")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("Application"))) {
        if (entry.attribute(QStringLiteral("ShortName")) == shortName)
            return entry;
    }
    return QDomElement();
}

void addBundle(QDomDocument &catalogue, const QDomDocument &bundle)
{
    QDomElement root = catalogue.documentElement();
    const QDomElement bundleRoot = bundle.documentElement();
    for (QDomElement application = bundleRoot.firstChildElement(); !application.isNull();
         application = application.nextSiblingElement()) {
        if (application.tagName().toLower() != QLatin1String("application"))
            continue;
        QDomElement existing
                = applicationNamed(root, application.attribute(QStringLiteral("ShortName")));
        if (existing.isNull()) {
            root.appendChild(catalogue.importNode(application, true));
            continue;
        }
        for (QDomElement child = application.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            existing.appendChild(catalogue.importNode(child, true));
    }
}

bool readFile(const QString &path, QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && XmlGuard::readWithin(file, content);
}

} // namespace

bool BundleMerge::merge(const QByteArray &scanner,
                        const QByteArray *bundle,
                        const QString &serialNumber,
                        bool network,
                        QByteArray &output)
{
    QDomDocument catalogue;
    if (!parse(scanner, QStringLiteral("scanner"), catalogue))
        return false;
    QDomElement root = catalogue.documentElement();
    root.setAttribute(QStringLiteral("ScannerSN"), serialNumber);
    root.setAttribute(QStringLiteral("NetworkScanner"),
                      network ? QStringLiteral("true") : QStringLiteral("false"));

    QDomDocument bundleDocument;
    if (bundle && parse(*bundle, QStringLiteral("bundle"), bundleDocument))
        addBundle(catalogue, bundleDocument);

    // Written through a UTF-8 stream so that an encoding the scanner file declared is replaced
    // by the one the bytes are really in.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream stream(&buffer);
    stream.setCodec("UTF-8");
    catalogue.save(stream, 1, QDomNode::EncodingFromTextStream);
    stream.flush();
    output = bytes;
    return true;
}

bool BundleMerge::mergeFiles(const QString &scannerPath,
                             const QString &bundlePath,
                             const QString &outputPath,
                             const QString &serialNumber,
                             bool network)
{
    QByteArray scanner;
    if (!readFile(scannerPath, scanner))
        return false;
    QByteArray bundle;
    const bool hasBundle = readFile(bundlePath, bundle);
    QByteArray merged;
    if (!merge(scanner, hasBundle ? &bundle : nullptr, serialNumber, network, merged))
        return false;
    QSaveFile file(outputPath);
    return file.open(QIODevice::WriteOnly) && file.write(merged) == merged.size() && file.commit();
}
