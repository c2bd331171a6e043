#include "userguide.h"

#include "hostfiles.h"
#include "urlopener.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

UserGuide::UserGuide(QObject *parent)
    : QObject(parent)
{}

int UserGuide::typeFromString(const QString &spelling)
{
    const QString lower = spelling.toLower();
    if (lower == QLatin1String("scanner"))
        return Scanner;
    if (lower == QLatin1String("software"))
        return Software;
    return NoType;
}

void UserGuide::view_document()
{
    if (!m_fileName.isEmpty()) {
        // Catalogue paths keep the Windows form ("$SetupPath$\Manuals\x.pdf").
        const QString hostName = HostFiles::hostPath(m_fileName);
        UrlOpener::open(
                QUrl::fromLocalFile(QFileInfo(QDir::current(), hostName).absoluteFilePath()));
    } else if (!m_url.isEmpty()) {
        UrlOpener::open(QUrl(m_url, QUrl::TolerantMode));
    }
}
