// The device bundle merge: any scanner file and bundle either merge into a catalogue that reads
// back as a scanner file naming the chosen serial number, or are refused with nothing written.

#include "bundlemerge.h"
#include "fuzzsupport.h"
#include "xmlguard.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The scanner file, then after the first NUL the bundle; no NUL: no bundle file.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const int split = bytes.indexOf('\0');
    const QByteArray scanner = split < 0 ? bytes : bytes.left(split);
    const QByteArray bundle = split < 0 ? QByteArray() : bytes.mid(split + 1);
    // A serial number with characters markup must escape.
    const QString serial = QStringLiteral("SN<&\"'>1");
    const QByteArray untouched("untouched");

    QByteArray output = untouched;
    const bool merged = BundleMerge::merge(
            scanner, split < 0 ? nullptr : &bundle, serial, size % 2 == 1, output);
    if (!merged) {
        FUZZ_CHECK(output == untouched);
        return 0;
    }
    QDomDocument document;
    FUZZ_CHECK(XmlGuard::check(output));
    FUZZ_CHECK(document.setContent(output));
    const QDomElement root = document.documentElement();
    FUZZ_CHECK(root.tagName().toLower() == QLatin1String("scanner"));
    FUZZ_CHECK(root.attribute(QStringLiteral("ScannerSN")) == serial);
    FUZZ_CHECK(root.attribute(QStringLiteral("NetworkScanner"))
               == (size % 2 == 1 ? QLatin1String("true") : QLatin1String("false")));
    return 0;
}
