#include "installer.h"

#include "executable.h"
#include "hostpath.h"

#include <QFileInfo>

Installer::Installer(QObject *parent)
    : QObject(parent)
    , m_mainInstallStep(new Executable(this))
{}

void Installer::addPreInstallStep(Executable *step)
{
    step->setParent(this);
    m_preInstallSteps.append(step);
}

void Installer::addPostInstallStep(Executable *step)
{
    step->setParent(this);
    m_postInstallSteps.append(step);
}

bool Installer::isDownloaded() const
{
    if (m_url.isEmpty())
        return true;
    const QFileInfo file(QString::fromStdString(sys::toHostPath(m_downloadPath.toStdWString())));
    return file.isFile() && file.isReadable() && file.size() == m_size;
}
