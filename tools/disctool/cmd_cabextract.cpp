// disctool cab-extract FILE.cab: unpacks a cabinet the way setup_runner does before an installer
// step, into the folder that holds the cabinet.

#include "cextract.h"
#include "disctoolcommand.h"
#include "hostfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {
int cabExtract(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1)
        return DiscToolCommand::refuse(QStringLiteral("one cabinet is needed"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The extraction takes the Windows form of the path, as the installer passes it.
    const QString hostPath = QDir::cleanPath(QFileInfo(arguments.first()).absoluteFilePath());
    const std::wstring cabinet = HostFiles::windowsPath(hostPath).toStdWString();

    Cabinet::CExtract extractor;
    int extracted = 0;
    extractor.setFileWritten([&out, &extracted](const std::wstring &path) {
        out << QString::fromStdWString(path) << '\n';
        out.flush();
        ++extracted;
    });
    const bool ok = extractor.Extract(cabinet);
    if (ok) {
        out << extracted << (extracted == 1 ? " file" : " files") << " extracted into "
            << QDir::toNativeSeparators(QFileInfo(hostPath).absolutePath()) << '\n';
    } else {
        // What the cabinet library and Windows reported, as setup_runner records it.
        const Cabinet::ErrorRecord &error = extractor.error();
        err << "cab-extract: " << QString::fromStdWString(cabinet)
            << " was not extracted completely (" << extracted
            << (extracted == 1 ? " file" : " files") << " written)\n"
            << "error record: library " << error.libraryCode << ", windows " << error.windowsCode
            << ", flag " << (error.flag ? 1 : 0) << '\n';
    }
    return ok ? 0 : 1;
}

const DiscToolCommand command("cab-extract", {"FILE.cab"}, cabExtract);
} // namespace
