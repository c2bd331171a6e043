#include "xmlguard.h"

#include <QIODevice>
#include <QXmlStreamReader>

bool XmlGuard::readWithin(QIODevice &device, QByteArray &content, QString *error)
{
    content = device.read(maxBytes + 1);
    if (content.size() > maxBytes) {
        content.clear();
        if (error)
            *error = QStringLiteral("file larger than %1 bytes").arg(maxBytes);
        return false;
    }
    return check(content, error);
}

bool XmlGuard::check(const QByteArray &content, QString *error, int *line, int *column)
{
    QXmlStreamReader reader(content);
    int depth = 0;
    auto refuse = [&](const QString &why) {
        if (error)
            *error = why;
        if (line)
            *line = int(reader.lineNumber());
        if (column)
            *column = int(reader.columnNumber());
        return false;
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return refuse(QStringLiteral("elements nested deeper than %1").arg(maxDepth));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::DTD:
            if (!reader.entityDeclarations().isEmpty())
                return refuse(QStringLiteral("entity declarations are not accepted"));
            break;
        default:
            break;
        }
    }
    return true;
}
