// The schema check on libxml2, the validator xmllint uses: Qt 5 has none outside the deprecated
// QtXmlPatterns, which Qt 6 and the static Windows Qt lack.
//
// The schemas are Qt resources, reached by libxml2 as "qrc:" addresses (so scanner.xsd finds the
// catalogue.xsd it includes). Nothing else is ever loaded: the document is parsed from memory
// without DTDs or entities, and every other external resource is refused, so a file under check
// cannot make disctool read a local file or the network.

#include "schemavalidator.h"

#include <QByteArray>
#include <QFile>

#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include <cstring>
#include <memory>
#include <type_traits>

namespace {

constexpr char Scheme[] = "qrc:";

struct ResourceReader
{
    QByteArray data;
    int offset = 0;
};

int matchesResource(const char *uri)
{
    return uri && std::strncmp(uri, Scheme, sizeof Scheme - 1) == 0;
}

void *openResource(const char *uri)
{
    QFile file(QLatin1Char(':') + QString::fromUtf8(uri + sizeof Scheme - 1));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto *reader = new ResourceReader;
    reader->data = file.readAll();
    return reader;
}

int readResource(void *context, char *buffer, int length)
{
    auto *reader = static_cast<ResourceReader *>(context);
    const int count = qMin(length, int(reader->data.size()) - reader->offset);
    std::memcpy(buffer, reader->data.constData() + reader->offset, size_t(count));
    reader->offset += count;
    return count;
}

int closeResource(void *context)
{
    delete static_cast<ResourceReader *>(context);
    return 0;
}

xmlExternalEntityLoader defaultLoader = nullptr;

xmlParserInputPtr loadOnlyResources(const char *url, const char *id, xmlParserCtxtPtr context)
{
    if (!matchesResource(url))
        return nullptr;
    return defaultLoader(url, id, context);
}

void prepareLibxml2()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    xmlInitParser();
    xmlRegisterInputCallbacks(matchesResource, openResource, readResource, closeResource);
    defaultLoader = xmlGetExternalEntityLoader();
    xmlSetExternalEntityLoader(loadOnlyResources);
}

void collect(void *problems, xmlErrorPtr error)
{
    if (!error || !error->message)
        return;
    static_cast<FileProblems *>(problems)->append(
            {error->line, QString::fromUtf8(error->message).trimmed()});
}

// Collects what libxml2 reports while it lives; the reports go nowhere else.
class ErrorCapture
{
public:
    ErrorCapture() { xmlSetStructuredErrorFunc(&m_problems, collect); }
    ~ErrorCapture() { xmlSetStructuredErrorFunc(nullptr, nullptr); }
    FileProblems &problems() { return m_problems; }

private:
    FileProblems m_problems;
};

struct SchemaDeleter
{
    void operator()(xmlSchemaParserCtxtPtr p) const { xmlSchemaFreeParserCtxt(p); }
    void operator()(xmlSchemaPtr p) const { xmlSchemaFree(p); }
    void operator()(xmlSchemaValidCtxtPtr p) const { xmlSchemaFreeValidCtxt(p); }
    void operator()(xmlDocPtr p) const { xmlFreeDoc(p); }
};
template<typename T>
using Owned = std::unique_ptr<std::remove_pointer_t<T>, SchemaDeleter>;

} // namespace

bool SchemaValidator::isAvailable()
{
    return true;
}

QString SchemaValidator::unavailableReason()
{
    return {};
}

FileProblems SchemaValidator::validate(const QString &schema, const QString &text)
{
    prepareLibxml2();
    ErrorCapture capture;
    const QByteArray location = QByteArray(Scheme) + "/schemas/" + schema.toUtf8();
    Owned<xmlSchemaParserCtxtPtr> parser(xmlSchemaNewParserCtxt(location.constData()));
    Owned<xmlSchemaPtr> compiled(parser ? xmlSchemaParse(parser.get()) : nullptr);
    if (!compiled) {
        FileProblems problems = capture.problems();
        problems.prepend({0, QStringLiteral("the schema %1 cannot be read").arg(schema)});
        return problems;
    }

    // The guard decoded the bytes already; libxml2 reads the same characters as UTF-8 whatever
    // the declaration says.
    const QByteArray utf8 = text.toUtf8();
    Owned<xmlDocPtr> document(xmlReadMemory(utf8.constData(),
                                            utf8.size(),
                                            "document.xml",
                                            "UTF-8",
                                            XML_PARSE_NONET | XML_PARSE_BIG_LINES));
    if (document) {
        Owned<xmlSchemaValidCtxtPtr> validator(xmlSchemaNewValidCtxt(compiled.get()));
        xmlSchemaSetValidStructuredErrors(validator.get(), collect, &capture.problems());
        xmlSchemaValidateDoc(validator.get(), document.get());
    }
    return capture.problems();
}
