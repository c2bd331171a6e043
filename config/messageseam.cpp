#include "messageseam.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace MessageSeam {

namespace {

int defaultHandler(QObject *, Icon, const QString &title, const QString &text, int buttons, int)
{
    QTextStream err(stderr);
    err << title << ": " << text << '\n';
    if (buttons & Ok)
        return Ok;
    if (buttons & Yes)
        return Yes;
    return buttons;
}

QMutex &handlerMutex()
{
    static QMutex mutex;
    return mutex;
}

Handler &currentHandler()
{
    static Handler handler = defaultHandler;
    return handler;
}

} // namespace

void setHandler(Handler handler)
{
    QMutexLocker lock(&handlerMutex());
    currentHandler() = handler ? std::move(handler) : Handler(defaultHandler);
}

int show(QObject *parent,
         Icon icon,
         const QString &title,
         const QString &text,
         int buttons,
         int flags)
{
    Handler handler;
    {
        QMutexLocker lock(&handlerMutex());
        handler = currentHandler();
    }
    return handler(parent, icon, title, text, buttons, flags);
}

} // namespace MessageSeam
