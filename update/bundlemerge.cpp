#include "bundlemerge.h"

#include "xmlguard.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

bool parse(const QByteArray &content, const QString &rootName, QDomDocument &document)
{
    return XmlGuard::parseBytes(content, document)
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

// text without the characters an XML 1.0 document cannot hold, so that the output always reads
// back.
QString xmlCharacters(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
            continue;
        }
        const ushort u = c.unicode();
        const bool allowed = u == 0x9 || u == 0xA || u == 0xD
                             || (u >= 0x20 && u <= 0xFFFD && !c.isSurrogate());
        if (allowed)
            kept += c;
    }
    return kept;
}

// Elements and their text, attributes sorted by name (the DOM keeps them in hash order, which
// changes from run to run). Comments, processing instructions, a document type and entity
// references carry nothing the catalogue reads and are left out. Depth is bounded by the guard.
void writeNode(QXmlStreamWriter &writer, const QDomNode &node)
{
    if (node.isElement()) {
        const QDomElement element = node.toElement();
        writer.writeStartElement(element.tagName());
        const QDomNamedNodeMap attributes = element.attributes();
        QList<QDomAttr> sorted;
        for (int i = 0; i < attributes.count(); ++i)
            sorted << attributes.item(i).toAttr();
        std::sort(sorted.begin(), sorted.end(), [](const QDomAttr &a, const QDomAttr &b) {
            return a.name() < b.name();
        });
        for (const QDomAttr &attribute : sorted)
            writer.writeAttribute(attribute.name(), xmlCharacters(attribute.value()));
        for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling())
            writeNode(writer, child);
        writer.writeEndElement();
    } else if (node.isText()) {
        // CDATA sections too: the same characters, escaped instead of bracketed.
        writer.writeCharacters(xmlCharacters(node.toCharacterData().data()));
    }
}

QByteArray serialise(const QDomDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setCodec("UTF-8");
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(1);
    writer.writeStartDocument();
    writeNode(writer, document.documentElement());
    writer.writeEndDocument();
    return bytes;
}

} // namespace

BundleMerge::Result BundleMerge::merge(const QByteArray &scanner,
                                       const QByteArray &bundle,
                                       const QString &serialNumber,
                                       bool network,
                                       QByteArray &output)
{
    QDomDocument catalogue;
    if (!parse(scanner, QStringLiteral("scanner"), catalogue))
        return Result::ScannerUnreadable;
    QDomDocument bundleDocument;
    if (!parse(bundle, QStringLiteral("bundle"), bundleDocument))
        return Result::BundleUnreadable;

    QDomElement root = catalogue.documentElement();
    root.setAttribute(QStringLiteral("ScannerSN"), serialNumber);
    root.setAttribute(QStringLiteral("NetworkScanner"),
                      network ? QStringLiteral("true") : QStringLiteral("false"));
    addBundle(catalogue, bundleDocument);
    output = serialise(catalogue);
    return Result::Merged;
}

BundleMerge::Result BundleMerge::mergeFiles(const QString &scannerPath,
                                            const QString &bundlePath,
                                            const QString &outputPath,
                                            const QString &serialNumber,
                                            bool network)
{
    QByteArray scanner;
    if (!readFile(scannerPath, scanner))
        return Result::ScannerUnreadable;
    QByteArray bundle;
    if (!readFile(bundlePath, bundle))
        return Result::BundleUnreadable;
    QByteArray merged;
    const Result result = merge(scanner, bundle, serialNumber, network, merged);
    if (result != Result::Merged)
        return result;
    return writeFile(outputPath, merged) ? Result::Merged : Result::OutputUnwritable;
}

bool BundleMerge::readFile(const QString &path, QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && XmlGuard::readWithin(file, content);
}

bool BundleMerge::writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
           && file.commit();
}
