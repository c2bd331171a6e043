// setup_runner's reading of the run list: any text in the segment is refused or rebuilt into
// applications, in bounded time and stack, and what was rebuilt is written back and read again
// unchanged.

#include "messageseam.h"
#include "runlistcheck.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    fuzz::scratchMachine();
    MessageSeam::setHandler(
            [](QObject *, MessageSeam::Icon, const QString &, const QString &, int, int) {
                return int(MessageSeam::Ok);
            });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The segment holds UTF-16 units; the helper reads up to the first zero unit.
    QString text;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = char16_t(data[i] | (data[i + 1] << 8));
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    QDomDocument document;
    if (!RunListXml::parse(text, document))
        return 0;
    QObject owner;
    QList<Application *> applications;
    for (QDomElement element
         = document.documentElement().firstChildElement(QStringLiteral("Application"));
         !element.isNull();
         element = element.nextSiblingElement(QStringLiteral("Application")))
        applications.append(Application::fromRunList(element, &owner));
    fuzz::checkRunListRoundTrip(applications);
    return 0;
}
