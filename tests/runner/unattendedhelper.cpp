// The helper as the end-to-end tests run it: no box is shown. Each one is appended to the file
// that TAM_MESSAGE_LOG names as "title|text" and answered with Ok, or for questions with the
// button TAM_MESSAGE_ANSWER names ("Yes" or "No", default "No"); a URL to open is logged as
// "open|URL". The shipped setup_runner reads neither variable.

#include "helperprogram.h"
#include "messageseam.h"
#include "urlopener.h"

#include <QFile>
#include <QUrl>

namespace {

void appendToLog(const QByteArray &line)
{
    QFile log(QString::fromLocal8Bit(qgetenv("TAM_MESSAGE_LOG")));
    if (log.open(QIODevice::Append))
        log.write(line + '\n');
}

int answer(
        QObject *, MessageSeam::Icon, const QString &title, const QString &text, int buttons, int)
{
    appendToLog((title + QLatin1Char('|') + text).toUtf8().replace('\n', "\\n"));
    if (buttons & MessageSeam::Ok)
        return MessageSeam::Ok;
    if (qgetenv("TAM_MESSAGE_ANSWER") == "Yes" && (buttons & MessageSeam::Yes))
        return MessageSeam::Yes;
    if (buttons & MessageSeam::No)
        return MessageSeam::No;
    return buttons;
}

void installUnattendedSeams()
{
    MessageSeam::setHandler(answer);
    UrlOpener::setHandler([](const QUrl &url) {
        appendToLog("open|" + url.toString().toUtf8());
        return true;
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return HelperProgram::run(argc, argv, &installUnattendedSeams);
}
