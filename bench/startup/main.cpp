// Start-up of the front end up to the shown main menu (disc mode, one language) against a
// bare Qt program that loads the same skin form with QUiLoader and shows it. Both run in this
// process, alternately, after the application object exists; prints the median ratio.
// Usage: bench_startup [DEMO_DISC_FOLDER] [ROUNDS]

#include "frontend.h"
#include "frontendhooks.h"
#include "messageseam.h"
#include "setupsettings.h"
#include "startupplan.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUiLoader>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool copyDisc(const QString &from, const QString &to)
{
    for (const QString &file : QDir(from).entryList({"TamSkin*"}, QDir::Files)) {
        if (!QFile::copy(from + '/' + file, to + '/' + file))
            return false;
    }
    QFile product(to + "/scanner_win.xml");
    if (!product.open(QIODevice::WriteOnly))
        return false;
    product.write("<?xml version=\"1.0\"?>\n<Scanner ShortName=\"B1\" LongName=\"Bench Scanner\" "
                  "PID=\"0b01\" Skin=\"TamSkin.ui\" Brand=\"Tamberlin\" "
                  "Website=\"https://example.invalid/\"><supportedlanguages><language "
                  "IsoCode=\"en\"/></supportedlanguages><scannerreadme FileName=\"readme.txt\"/>"
                  "</Scanner>\n");
    return true;
}

double timeFrontEnd(const QString &disc)
{
    QElapsedTimer clock;
    clock.start();
    StartupPlan::prepare(disc, {});
    QDir::setCurrent(disc);
    auto window = std::make_unique<FrontEnd>(0);
    window->prepareLanguages();
    window->show();
    QApplication::processEvents();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    window.reset();
    QApplication::processEvents();
    return elapsed;
}

double timeBareLoader(const QString &disc)
{
    QElapsedTimer clock;
    clock.start();
    QFile form(disc + "/TamSkin.ui");
    form.open(QIODevice::ReadOnly);
    QUiLoader loader;
    std::unique_ptr<QWidget> widget(loader.load(&form));
    widget->show();
    QApplication::processEvents();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    widget.reset();
    QApplication::processEvents();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const QString source = arguments.size() > 1 ? arguments.at(1) : QStringLiteral(TAM_DEMO_DISC);
    const int rounds = arguments.size() > 2 ? arguments.at(2).toInt() : 15;

    QTemporaryDir work;
    qputenv("TMPDIR", QFile::encodeName(work.path()));
    qputenv("TAM_MACHINE", QFile::encodeName(work.path() + "/machine"));
    const QString disc = work.path() + "/disc";
    QDir().mkpath(disc);
    if (!copyDisc(source, disc)) {
        out << "bench_startup: cannot copy the demo skin from " << source << '\n';
        return 1;
    }
    FrontEndHooks::setProgramDirectory(disc);
    // The product names an update server, so a start would ask whether to look for updates and
    // wait for an answer; the start measured is the one after "No".
    FrontEndHooks::setUpdateCheck([](FrontEnd *) { return true; });
    MessageSeam::setHandler([&out](QObject *,
                                   MessageSeam::Icon,
                                   const QString &title,
                                   const QString &text,
                                   int,
                                   int) {
        out << "unexpected box: " << title << ": " << text << '\n';
        return int(MessageSeam::Ok);
    });

    // One untimed round of each warms caches that a real start also finds warm or cold alike.
    timeFrontEnd(disc);
    timeBareLoader(disc);
    std::vector<double> frontEnd;
    std::vector<double> bare;
    for (int round = 0; round < rounds; ++round) {
        frontEnd.push_back(timeFrontEnd(disc));
        bare.push_back(timeBareLoader(disc));
    }
    const double ratio = median(frontEnd) / median(bare);
    out << "startup to shown main menu: median " << median(frontEnd) << " ms; baseline "
        << "(bare QUiLoader load and show of the same form): median " << median(bare)
        << " ms; ratio " << QString::number(ratio, 'f', 2) << " (goal <= 1.5)\n";
    return 0;
}
