// The demo's setup package: what the maker's update server offers as a newer setup. Like a
// self-extracting archive it carries its files behind its own program. Started as setup's
// self-update starts a package,
//   setuppackage -auto "TEMP\TamSetup"
// it lays its files out in TEMP\TamSetup\TamUpdate and starts the setup there once, which
// finds setup's exit marker, removes it and ends: the older setup waits for exactly that.
//
//   setuppackage build OUTPUT VERSION NAME=FILE...
// makes such a package of FILEs (named NAME in it, "/" between folders); every file that carries a
// version record (fileversionrecord.h) is packed with VERSION as its file version, as a newer build
// would be.

#include "fileversionrecord.h"
#include "hostfiles.h"
#include "process.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const char Magic[] = "TAMPKG01";
constexpr int MagicBytes = 8;
constexpr int TrailerBytes = 8 + MagicBytes;
// The copy that removes the marker ends at once; a minute is plenty even on a slow machine.
constexpr uint32_t SetupWaitMs = 60000;

struct Entry
{
    QString name;
    bool executable = false;
    QByteArray data;
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool readPayload(const QString &self, QList<Entry> &entries)
{
    QFile file(self);
    if (!file.open(QIODevice::ReadOnly) || file.size() < TrailerBytes)
        return false;
    file.seek(file.size() - TrailerBytes);
    QDataStream trailer(&file);
    quint64 offset = 0;
    trailer >> offset;
    char magic[MagicBytes];
    if (trailer.readRawData(magic, MagicBytes) != MagicBytes
        || memcmp(magic, Magic, MagicBytes) != 0 || offset >= quint64(file.size() - TrailerBytes))
        return false;
    file.seek(qint64(offset));
    QDataStream in(&file);
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Entry entry;
        QByteArray packed;
        in >> entry.name >> entry.executable >> packed;
        entry.data = qUncompress(packed);
        // A name must stay inside the folder it is laid out in.
        const QStringList parts = entry.name.split(QLatin1Char('/'));
        if (entry.name.contains(QLatin1Char('\\')) || parts.contains(QString())
            || parts.contains(QStringLiteral(".")) || parts.contains(QStringLiteral("..")))
            return false;
        entries << entry;
    }
    return in.status() == QDataStream::Ok && quint32(entries.size()) == count;
}

int unpack(const QString &folderArgument)
{
    QList<Entry> entries;
    if (!readPayload(QCoreApplication::applicationFilePath(), entries)) {
        err() << "setuppackage: this package carries no files\n";
        return 1;
    }
    const QString windowsTarget = folderArgument + QStringLiteral("\\TamUpdate");
    const QString target = HostFiles::hostPath(windowsTarget);
    QDir().mkpath(target);
    for (const Entry &entry : entries) {
        const QString path = target + QLatin1Char('/') + entry.name;
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.data) != entry.data.size()
            || !file.commit()) {
            err() << "setuppackage: cannot write " << file.fileName() << '\n';
            return 1;
        }
        if (entry.executable)
            HostFiles::makeRunnable(file.fileName());
    }
    sys::Process setup;
    const std::wstring program = (windowsTarget + QStringLiteral("\\Setup.exe")).toStdWString();
    if (!setup.start(sys::quoteArgument(program), windowsTarget.toStdWString())) {
        err() << "setuppackage: cannot start the unpacked setup\n";
        return 1;
    }
    setup.wait(SetupWaitMs);
    return 0;
}

int build(const QStringList &arguments)
{
    if (arguments.size() < 3) {
        err() << "usage: setuppackage build OUTPUT VERSION NAME=FILE...\n";
        return 2;
    }
    const QString output = arguments.at(0);
    const QString version = arguments.at(1);
    QTemporaryDir staging;
    int payloadCount = 0;
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << quint32(arguments.size() - 2);
    for (const QString &argument : arguments.mid(2)) {
        const int equals = argument.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            err() << "setuppackage: " << argument << " is not NAME=FILE\n";
            return 2;
        }
        const QString name = argument.left(equals);
        const QString source = argument.mid(equals + 1);
        const QString copy = staging.filePath(QString::number(payloadCount++));
        QFile::remove(copy);
        if (!QFile::copy(source, copy)) {
            err() << "setuppackage: cannot read " << source << '\n';
            return 1;
        }
        std::string recorded;
        const std::string copyPath = QFile::encodeName(copy).toStdString();
        if (sys::readFileVersionRecord(copyPath, recorded)
            && !sys::writeFileVersionRecord(copyPath, version.toStdString())) {
            err() << "setuppackage: cannot give " << name << " the version " << version << '\n';
            return 1;
        }
        QFile file(copy);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        out << name << QFileInfo(source).isExecutable() << qCompress(file.readAll(), 1);
    }

    QFile self(QCoreApplication::applicationFilePath());
    QSaveFile package(output);
    if (!self.open(QIODevice::ReadOnly) || !package.open(QIODevice::WriteOnly)) {
        err() << "setuppackage: cannot write " << output << '\n';
        return 1;
    }
    const QByteArray program = self.readAll();
    package.write(program);
    package.write(payload);
    QByteArray trailer;
    QDataStream tail(&trailer, QIODevice::WriteOnly);
    tail << quint64(program.size());
    tail.writeRawData(Magic, MagicBytes);
    package.write(trailer);
    if (!package.commit())
        return 1;
    HostFiles::makeRunnable(output);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("-auto"))
        return unpack(arguments.at(1));
    if (!arguments.isEmpty() && arguments.at(0) == QLatin1String("build"))
        return build(arguments.mid(1));
    err() << "usage: setuppackage -auto FOLDER | build OUTPUT VERSION NAME=FILE...\n";
    return 2;
}
