#pragma once

// The property both XML targets check: whatever the engine holds as an Application, setup can
// write into the run list and setup_runner reads back the same entry.

#include "application.h"
#include "fuzzsupport.h"
#include "runlistxml.h"
#include "segmentprotocol.h"

#include <QDomDocument>
#include <QList>

#include <memory>

namespace fuzz {

inline void checkRunListRoundTrip(const QList<Application *> &applications)
{
    QString elements;
    for (int i = 0; i < applications.size(); ++i)
        elements += applications.at(i)->toRunList(i + 1);
    const QString text = FrontEndSegment::wrapRunList(elements);
    // The segment's text ends at the first zero unit.
    FUZZ_CHECK(!text.contains(QChar(0)));
    QDomDocument document;
    QString error;
    FUZZ_CHECK(RunListXml::parse(text, document, &error));
    int index = 0;
    for (QDomElement element
         = document.documentElement().firstChildElement(QStringLiteral("Application"));
         !element.isNull();
         element = element.nextSiblingElement(QStringLiteral("Application")), ++index) {
        FUZZ_CHECK(index < applications.size());
        const std::unique_ptr<Application> read(Application::fromRunList(element));
        FUZZ_CHECK(read->shortName() == applications.at(index)->shortName());
        FUZZ_CHECK(read->displayName() == applications.at(index)->displayName());
    }
    FUZZ_CHECK(index == applications.size());
}

} // namespace fuzz
