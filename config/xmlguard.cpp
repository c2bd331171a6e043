#include "xmlguard.h"

#include <QIODevice>
#include <QXmlStreamReader>

bool XmlGuard::readWithin(
        QIODevice &device, QByteArray &content, QString *error, int *line, int *column)
{
    // Read in pieces: read(maxBytes + 1) sets the whole limit aside first, which costs tens of
    // milliseconds per file on Windows.
    content.clear();
    if (!device.isSequential())
        content.reserve(int(qBound(qint64(0), device.size() - device.pos(), qint64(maxBytes) + 1)));
    char piece[16 * 1024];
    qint64 got = 0;
    while ((got = device.read(piece, sizeof piece)) > 0) {
        if (content.size() + got > maxBytes) {
            content.clear();
            if (error)
                *error = QStringLiteral("file larger than %1 bytes").arg(maxBytes);
            if (line)
                *line = 0;
            if (column)
                *column = 0;
            return false;
        }
        content.append(piece, int(got));
    }
    return check(content, error, line, column);
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
