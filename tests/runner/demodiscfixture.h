#pragma once

// The end-to-end tests' disc: copies of the demo installer under the names their catalogues
// give, and the demo's cabinet where those catalogues expect it. The test program gets the
// files' paths from tam_uses_demo_installers() in CMake.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace DemoDiscFixture {

const QString Installer = QStringLiteral(TAM_DEMOINSTALLER);
const QString Cabinet = QStringLiteral(TAM_DEMO_CABINET);

// The installers (paths relative to disc) and "Payload/TextRecognition.cab"; false when a copy
// fails.
inline bool layOut(const QString &disc, const QStringList &installers)
{
    QStringList targets;
    for (const QString &name : installers)
        targets << disc + QLatin1Char('/') + name;
    const QString cabinet = disc + QStringLiteral("/Payload/TextRecognition.cab");
    for (const QString &target : qAsConst(targets)) {
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(Installer, target))
            return false;
    }
    return QDir().mkpath(QFileInfo(cabinet).absolutePath()) && QFile::copy(Cabinet, cabinet);
}

} // namespace DemoDiscFixture
