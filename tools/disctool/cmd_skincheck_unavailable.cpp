// disctool skin-check, for builds without Qt's form loader: says so instead of pretending.

#include "disctoolcommand.h"
#include "skinverdict.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char Unavailable[] = "this disctool was built without Qt's UI tools (Qt5UiTools), so it "
                           "cannot load skin forms. Install qttools5-dev and build again.";

int skinCheckUnavailable(const QCommandLineParser &)
{
    QTextStream(stderr) << "disctool skin-check: " << Unavailable << '\n';
    return 3;
}

const DiscToolCommand command("skin-check", {"SKIN.ui"}, skinCheckUnavailable);

} // namespace

SkinVerdict SkinVerdict::of(const QString &)
{
    SkinVerdict verdict;
    verdict.errors << QString::fromLatin1(Unavailable);
    return verdict;
}

QCoreApplication *SkinVerdict::createApplication(int &argc, char **argv)
{
    return new QCoreApplication(argc, argv);
}
