#include "installpagetexts.h"

#include "installer.h"

#include <QCoreApplication>

namespace {

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * 1024;

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString InstallPageTexts::megabytes(quint64 bytes)
{
    return QCoreApplication::translate("FrontEnd", "%1 MB")
            .arg(static_cast<double>(bytes) / MiB, 0, 'f', 1);
}

QString InstallPageTexts::speed(qint64 bytesPerSecond)
{
    if (bytesPerSecond < KiB)
        return QCoreApplication::translate("FrontEnd", "%1 B/s").arg(bytesPerSecond);
    if (bytesPerSecond < MiB)
        return QCoreApplication::translate("FrontEnd", "%1 KB/s")
                .arg(static_cast<double>(bytesPerSecond) / KiB, 0, 'f', 1);
    return QCoreApplication::translate("FrontEnd", "%1 MB/s")
            .arg(static_cast<double>(bytesPerSecond) / MiB, 0, 'f', 1);
}

QString InstallPageTexts::duration(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 rest = seconds % 3600;
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(rest / 60) + QLatin1Char(':')
           + twoDigits(rest % 60);
}

QString InstallPageTexts::componentsToolTip(const QList<Installer *> &first,
                                            const QList<Installer *> &second)
{
    if (first.isEmpty() && second.isEmpty())
        return QCoreApplication::translate("FrontEnd", "Installed");
    QString html = QStringLiteral("<table><tr><td colspan='1' style='white-space:pre'><b>")
                   + QCoreApplication::translate("FrontEnd",
                                                 "Select to install the following components:")
                   + QStringLiteral("</b></td></tr>");
    for (const QList<Installer *> *list : {&first, &second}) {
        for (Installer *installer : *list) {
            // Names and versions may come from the update server: text in the table, never
            // markup of it. The catalogue's match value is the version an installer brings.
            const QString name = installer->displayName().toHtmlEscaped();
            const QString version = installer->checker().matchValue().toHtmlEscaped();
            if (version.isEmpty())
                html += QStringLiteral("<tr><td style='white-space:pre'>&nbsp;&nbsp;&nbsp;&nbsp;%1"
                                       "</td></tr>")
                                .arg(name);
            else
                html += QStringLiteral("<tr><td style='white-space:pre'>&nbsp;&nbsp;&nbsp;&nbsp;%1"
                                       "&nbsp;ver: %2</td></tr>")
                                .arg(name, version);
        }
    }
    return html + QStringLiteral("</table>");
}
