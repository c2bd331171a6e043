// The files an update server sends (bundle selection, scanner file, bundle, setup description),
// read as both update dialogs read them: any bytes are refused or read in bounded time and
// stack, and what is read has the root asked for.

#include "fuzzsupport.h"
#include "updateclient.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>

namespace {
QString g_file;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    const QString folder
            = QString::fromStdString(fuzz::scratchMachine()) + QStringLiteral("/update");
    QDir().mkpath(folder);
    g_file = folder + QStringLiteral("/update_scanner.xml");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_file);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    for (const char *root : {"sn", "scanner", "bundle", "setup"}) {
        QDomDocument document;
        if (UpdateClient::readRoot(g_file, QLatin1String(root), document))
            FUZZ_CHECK(document.documentElement().tagName().toLower() == QLatin1String(root));
    }
    return 0;
}
