#include "dvdpath.h"

#include "hostfiles.h"
#include "xmlguard.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool readDvdPath(QString &path, const QString &programDir)
{
    const QString folder
            = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
    QFile file(folder + QStringLiteral("/DVDPath.xml"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QDomDocument document;
    if (!XmlGuard::read(file, document))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName().toLower() != QLatin1String("dvdpath"))
        return false;
    const QString dvdPath = root.attribute(QStringLiteral("dvd_path"));
    if (dvdPath.isEmpty())
        return false;
    const QString product = dvdPath + QStringLiteral("\\scanner_win.xml");
    if (!QFileInfo::exists(HostFiles::hostPath(product)))
        return false;
    path = dvdPath;
    return true;
}

bool writeDvdPath(const QString &hostFile, const QString &setupPath)
{
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("dvdpath"));
    root.setAttribute(QStringLiteral("dvd_path"), setupPath);
    document.appendChild(root);
    const QByteArray content = document.toByteArray(-1);
    QSaveFile file(hostFile);
    return file.open(QIODevice::WriteOnly | QIODevice::Text)
           && file.write(content) == content.size() && file.commit();
}
