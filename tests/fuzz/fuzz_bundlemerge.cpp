// The device bundle merge: any scanner file and bundle either merge into a catalogue that reads
// back (through the guard, as setup reads it) as a scanner file naming the chosen serial number,
// the same bytes every time, or are refused with nothing written.

#include "bundlemerge.h"
#include "fuzzsupport.h"
#include "xmlguard.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The scanner file, then after the first four 0xff bytes (in no UTF-8 or UTF-16 text) the
    // bundle; none: an empty bundle.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QByteArray separator(4, '\xff');
    const int split = bytes.indexOf(separator);
    const QByteArray scanner = split < 0 ? bytes : bytes.left(split);
    const QByteArray bundle = split < 0 ? QByteArray() : bytes.mid(split + separator.size());
    // A serial number with characters markup must escape, and one XML cannot carry at all.
    const QString serial = QStringLiteral("SN<&\"'>\x01"
                                          "1");
    const QString written = QStringLiteral("SN<&\"'>1");
    const QByteArray untouched("untouched");

    QByteArray output = untouched;
    const bool merged = BundleMerge::merge(scanner, bundle, serial, size % 2 == 1, output)
                        == BundleMerge::Result::Merged;
    if (!merged) {
        FUZZ_CHECK(output == untouched);
        return 0;
    }
    QByteArray again;
    BundleMerge::merge(scanner, bundle, serial, size % 2 == 1, again);
    FUZZ_CHECK(again == output);
    QDomDocument document;
    FUZZ_CHECK(XmlGuard::parseBytes(output, document));
    const QDomElement root = document.documentElement();
    FUZZ_CHECK(root.tagName().toLower() == QLatin1String("scanner"));
    FUZZ_CHECK(root.attribute(QStringLiteral("ScannerSN")) == written);
    FUZZ_CHECK(root.attribute(QStringLiteral("NetworkScanner"))
               == (size % 2 == 1 ? QLatin1String("true") : QLatin1String("false")));
    return 0;
}
