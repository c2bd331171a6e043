#include "xmlguard.h"

#include <QDomDocument>
#include <QIODevice>
#include <QRegularExpression>
#include <QTextCodec>
#include <QXmlStreamReader>

namespace {

const QLatin1String entityDeclaration("<!ENTITY");

// Index just past the first occurrence of what at or after from, or text.size() when it is
// missing (an unterminated construct swallows the rest, for the DOM as for us).
int skipPast(const QString &text, int from, QLatin1String what)
{
    const int at = text.indexOf(what, from);
    return at < 0 ? text.size() : at + what.size();
}

// Index just past the '>' that ends the markup starting at from; quoted text is skipped, and
// with brackets also a declaration's internal subset ("<!DOCTYPE x [ ... ]>").
int endOfMarkup(const QString &text, int from, bool brackets)
{
    QChar quote;
    int nesting = 0;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (brackets && c == QLatin1Char('[')) {
            ++nesting;
        } else if (brackets && c == QLatin1Char(']')) {
            nesting = qMax(0, nesting - 1);
        } else if (c == QLatin1Char('>') && nesting == 0) {
            return i + 1;
        }
    }
    return text.size();
}

// The deepest element nesting a tolerant parser could build from text: start tags outside
// comments, CDATA sections, processing instructions and declarations open a level, end tags
// close one, empty-element tags neither. One pass, no allocation.
int lexicalDepth(const QString &text)
{
    int depth = 0;
    int deepest = 0;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        i = text.indexOf(QLatin1Char('<'), i);
        if (i < 0)
            break;
        const QStringRef rest = text.midRef(i, 9);
        if (rest.startsWith(QLatin1String("<!--"))) {
            i = skipPast(text, i + 4, QLatin1String("-->"));
        } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
            i = skipPast(text, i + 9, QLatin1String("]]>"));
        } else if (rest.startsWith(QLatin1String("<?"))) {
            i = skipPast(text, i + 2, QLatin1String("?>"));
        } else if (rest.startsWith(QLatin1String("<!"))) {
            i = endOfMarkup(text, i + 2, true);
        } else if (rest.startsWith(QLatin1String("</"))) {
            depth = qMax(0, depth - 1);
            i = endOfMarkup(text, i + 2, false);
        } else {
            const int end = endOfMarkup(text, i + 1, false);
            const bool empty = end <= n && end - 2 > i && text.at(end - 1) == QLatin1Char('>')
                               && text.at(end - 2) == QLatin1Char('/');
            if (!empty)
                deepest = qMax(deepest, ++depth);
            i = end;
        }
    }
    return deepest;
}

// The position (1-based line and column) of index in text, for messages.
void positionOf(const QString &text, int index, int &line, int &column)
{
    line = 1;
    int lineStart = 0;
    for (int i = 0; i < index && i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n')) {
            ++line;
            lineStart = i + 1;
        }
    }
    column = index - lineStart + 1;
}

// A file over the limit is refused at line and column 0.
bool refuseSize(QString *error, int *line, int *column)
{
    if (error)
        *error = QStringLiteral("file larger than %1 bytes").arg(XmlGuard::maxBytes);
    if (line)
        *line = 0;
    if (column)
        *column = 0;
    return false;
}

} // namespace

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
            return refuseSize(error, line, column);
        }
        content.append(piece, int(got));
    }
    return true;
}

QString XmlGuard::decode(const QByteArray &content)
{
    QTextCodec *codec = QTextCodec::codecForUtfText(content, nullptr);
    if (!codec && content.size() >= 2) {
        if (content.at(0) == '<' && content.at(1) == '\0')
            codec = QTextCodec::codecForName("UTF-16LE");
        else if (content.at(0) == '\0' && content.at(1) == '<')
            codec = QTextCodec::codecForName("UTF-16BE");
    }
    if (!codec && content.startsWith("<?xml")) {
        static const QRegularExpression declared(
                QStringLiteral("^<\\?xml[^>]*\\sencoding\\s*=\\s*[\"']([A-Za-z][A-Za-z0-9._-]*)"));
        const int end = content.indexOf("?>");
        const QString declaration = QString::fromLatin1(content.left(end < 0 ? 256 : end));
        const QRegularExpressionMatch match = declared.match(declaration);
        if (match.hasMatch())
            codec = QTextCodec::codecForName(match.captured(1).toLatin1());
    }
    if (!codec)
        codec = QTextCodec::codecForName("UTF-8");
    QString text = codec->toUnicode(content);
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    return text;
}

bool XmlGuard::check(const QString &text, QString *error, int *line, int *column)
{
    auto refuse = [&](const QString &why, int atLine, int atColumn) {
        if (error)
            *error = why;
        if (line)
            *line = atLine;
        if (column)
            *column = atColumn;
        return false;
    };
    // Any declaration at all, wherever it stands: the DOM may reach a DTD the stricter reader
    // never got to.
    const int entity = text.indexOf(entityDeclaration);
    if (entity >= 0) {
        int atLine = 0, atColumn = 0;
        positionOf(text, entity, atLine, atColumn);
        return refuse(QStringLiteral("entity declarations are not accepted"), atLine, atColumn);
    }
    QXmlStreamReader reader(text);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth)
                return refuse(QStringLiteral("elements nested deeper than %1").arg(maxDepth),
                              int(reader.lineNumber()),
                              int(reader.columnNumber()));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    // Past the first error the DOM may read on where the stream reader stopped: bound the whole
    // text by what could be built from it.
    if (reader.hasError() && lexicalDepth(text) > maxDepth)
        return refuse(QStringLiteral("elements nested deeper than %1").arg(maxDepth), 0, 0);
    return true;
}

bool XmlGuard::parse(
        const QString &text, QDomDocument &document, QString *error, int *line, int *column)
{
    if (!check(text, error, line, column))
        return false;
    return document.setContent(text, error, line, column);
}

bool XmlGuard::parseBytes(
        const QByteArray &content, QDomDocument &document, QString *error, int *line, int *column)
{
    if (content.size() > maxBytes)
        return refuseSize(error, line, column);
    return parse(decode(content), document, error, line, column);
}

bool XmlGuard::read(
        QIODevice &device, QDomDocument &document, QString *error, int *line, int *column)
{
    QByteArray content;
    if (!readWithin(device, content, error, line, column))
        return false;
    return parseBytes(content, document, error, line, column);
}
