// The product file and catalogue reader (disc file, update description, DVDPath.xml): any bytes
// are refused or read in bounded time and stack, and every entry read can be handed to
// setup_runner through the run list unchanged.

#include "dvdpath.h"
#include "messageseam.h"
#include "runlistcheck.h"
#include "scannerinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString g_folder;

QString writeInput(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = g_folder + QLatin1Char('/') + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    g_folder = QString::fromStdString(fuzz::scratchMachine()) + QStringLiteral("/disc");
    QDir().mkpath(g_folder);
    MessageSeam::setHandler(
            [](QObject *, MessageSeam::Icon, const QString &, const QString &, int, int) {
                return int(MessageSeam::Ok);
            });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = writeInput(QStringLiteral("scanner_win.xml"), data, size);
    {
        ScannerInfo info;
        info.setLanguage(QStringLiteral("de_de"));
        info.checkFile(file);
        info.loadLanguages(file);
        FUZZ_CHECK(!info.supportedLanguages().isEmpty());
        // Disc and update description at once, as after an online check.
        if (info.load(file, true, true) && info.load(file, false, true))
            info.merge();
    }
    ScannerInfo info;
    info.setLanguage(QStringLiteral("en_us"));
    if (info.load(file, true, false)) {
        info.refreshInstalledStates();
        fuzz::checkRunListRoundTrip(info.applications());
    }

    writeInput(QStringLiteral("DVDPath.xml"), data, size);
    QString discPath = QStringLiteral("unchanged");
    if (!readDvdPath(discPath, g_folder))
        FUZZ_CHECK(discPath == QLatin1String("unchanged"));
    return 0;
}
