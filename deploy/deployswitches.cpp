#include "deployswitches.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace {

const QStringList ValueSwitches = {QStringLiteral("select"),
                                   QStringLiteral("source"),
                                   QStringLiteral("language"),
                                   QStringLiteral("log"),
                                   QStringLiteral("report"),
                                   QStringLiteral("device")};
const QStringList FlagSwitches = {QStringLiteral("quiet"),
                                  QStringLiteral("passive"),
                                  QStringLiteral("all"),
                                  QStringLiteral("norestart"),
                                  QStringLiteral("detect"),
                                  QStringLiteral("?")};

bool isSwitchShaped(const QString &argument)
{
    return argument.size() > 1
           && (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')));
}

// "/Quiet" and "-quiet" -> "quiet"; empty for anything that is not one of ours.
QString switchName(const QString &argument)
{
    if (!isSwitchShaped(argument))
        return QString();
    const QString name = argument.mid(1).toLower();
    return ValueSwitches.contains(name) || FlagSwitches.contains(name) ? name : QString();
}

bool readDevice(const QString &value, DeploySwitches &switches)
{
    if (value.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        switches.deviceAuto = true;
        return true;
    }
    static const QRegularExpression shape(QStringLiteral("^([0-9A-Fa-f]{1,4})(?::(.+))?$"));
    const QRegularExpressionMatch match = shape.match(value);
    if (!match.hasMatch())
        return false;
    switches.deviceProductId = static_cast<quint16>(match.captured(1).toUInt(nullptr, 16));
    switches.deviceSerial = match.captured(2).trimmed();
    return switches.deviceProductId != 0
           && (match.captured(2).isNull() || !switches.deviceSerial.isEmpty());
}

QString applyValue(const QString &name, const QString &value, DeploySwitches &switches)
{
    if (name == QLatin1String("select")) {
        for (const QString &part : value.split(QLatin1Char(','))) {
            if (!part.trimmed().isEmpty())
                switches.selection << part.trimmed();
        }
        if (switches.selection.isEmpty())
            return QStringLiteral("/select names no application");
    } else if (name == QLatin1String("source")) {
        const QString source = value.toLower();
        if (source == QLatin1String("disc"))
            switches.source = DeploySwitches::Source::Disc;
        else if (source == QLatin1String("web"))
            switches.source = DeploySwitches::Source::Web;
        else
            return QStringLiteral("/source takes disc or web, not \"%1\"").arg(value);
    } else if (name == QLatin1String("language")) {
        static const QRegularExpression code(QStringLiteral("^[a-z]{2}(_[a-z]{2})?$"));
        const QString language = value.toLower().replace(QLatin1Char('-'), QLatin1Char('_'));
        if (!code.match(language).hasMatch())
            return QStringLiteral("/language takes a code such as de or pt_br, not \"%1\"")
                    .arg(value);
        switches.language = language;
    } else if (name == QLatin1String("log")) {
        switches.logFile = value;
    } else if (name == QLatin1String("report")) {
        switches.reportFile = value;
    } else if (name == QLatin1String("device") && !readDevice(value, switches)) {
        return QStringLiteral("/device takes auto or a product id in hexadecimal with an optional "
                              ":SERIAL, not \"%1\"")
                .arg(value);
    }
    return QString();
}

QString checkCombination(const QSet<QString> &given, DeploySwitches &switches)
{
    const bool quiet = given.contains(QStringLiteral("quiet"));
    const bool passive = given.contains(QStringLiteral("passive"));
    const bool detect = given.contains(QStringLiteral("detect"));
    if (quiet && passive)
        return QStringLiteral("/quiet and /passive exclude each other");
    if (detect && passive)
        return QStringLiteral("/detect installs nothing and shows nothing: it does not go with "
                              "/passive");
    if (!quiet && !passive && !detect)
        return QStringLiteral("say how to run: /quiet, /passive or /detect");
    if (switches.all && !switches.selection.isEmpty())
        return QStringLiteral("/all and /select exclude each other");
    switches.mode
            = detect ? DeploySwitches::Mode::Detect
                     : (passive ? DeploySwitches::Mode::Passive : DeploySwitches::Mode::Quiet);
    return QString();
}

} // namespace

bool DeploySwitches::requestsUnattended(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (isSwitchShaped(argument) && argument != QLatin1String("-check"))
            return true;
    }
    return false;
}

DeploySwitches DeploySwitches::parse(const QStringList &arguments)
{
    DeploySwitches switches;
    switches.arguments = arguments;
    QSet<QString> given;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QString name = switchName(argument);
        if (name == QLatin1String("?")) {
            // Whatever else is there, a person asked what the switches are.
            switches.mode = Mode::Usage;
            switches.error.clear();
            return switches;
        }
        // After a fault only where to log it is still read (the first one given counts).
        if (!switches.error.isEmpty()) {
            QString *file = name == QLatin1String("log")      ? &switches.logFile
                            : name == QLatin1String("report") ? &switches.reportFile
                                                              : nullptr;
            if (file && file->isEmpty() && i + 1 < arguments.size()
                && switchName(arguments.at(i + 1)).isEmpty())
                *file = arguments.at(++i);
            continue;
        }
        if (name.isEmpty()) {
            switches.error = isSwitchShaped(argument)
                                     ? QStringLiteral("unknown switch %1").arg(argument)
                                     : QStringLiteral("unexpected argument \"%1\"").arg(argument);
            continue;
        }
        if (given.contains(name)) {
            switches.error = QStringLiteral("%1 is given twice").arg(argument);
            continue;
        }
        given.insert(name);
        if (!ValueSwitches.contains(name)) {
            switches.all = switches.all || name == QLatin1String("all");
            switches.noRestart = switches.noRestart || name == QLatin1String("norestart");
            continue;
        }
        // A path may begin with "/" too; only one of our switches counts as a missing value.
        if (i + 1 >= arguments.size() || !switchName(arguments.at(i + 1)).isEmpty()) {
            switches.error = QStringLiteral("%1 needs a value").arg(argument);
            continue;
        }
        switches.error = applyValue(name, arguments.at(++i), switches);
    }
    if (switches.error.isEmpty())
        switches.error = checkCombination(given, switches);
    return switches;
}

void DeploySwitches::resolvePaths(const QString &workingDirectory)
{
    const QDir base(workingDirectory);
    for (QString *file : {&logFile, &reportFile}) {
        if (!file->isEmpty())
            *file = QDir::cleanPath(base.absoluteFilePath(*file));
    }
}

QString DeploySwitches::usage()
{
    return QStringLiteral(
            "setup [/quiet | /passive] [/select NAME[,NAME...] | /all] [/source disc|web]\n"
            "      [/language CODE] [/device auto|PID[:SERIAL]] [/norestart]\n"
            "      [/log FILE] [/report FILE]\n"
            "setup /detect [/select NAME[,NAME...] | /all] [/language CODE] [/log FILE] "
            "[/report FILE]\n"
            "\n"
            "/quiet      no window at all; nothing is asked\n"
            "/passive    only a progress window; nothing is asked\n"
            "/select     the applications to install, by their short names\n"
            "/all        every application that applies to this machine and language\n"
            "            (without /select or /all: what the install page ticks by default)\n"
            "/source     where payloads come from when an application has both\n"
            "/language   the language of texts, installers and user guides\n"
            "/device     install the software of the attached scanner (auto: the only one)\n"
            "/norestart  never restart the machine (setup /quiet and /passive never do)\n"
            "/detect     install nothing: exit 0 when everything selected is installed, 1 when "
            "not\n"
            "/log        a UTF-8 log, one line per event\n"
            "/report     a JSON summary of the result\n"
            "\n"
            "Exit codes: 0 success, 3010 success and a restart is required, 1602 cancelled,\n"
            "1603 failure, 1618 another installation is running, 1620 the product file cannot\n"
            "be read, 1622 the log cannot be written, 87 a bad switch or an unknown "
            "application.\n");
}
