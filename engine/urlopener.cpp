#include "urlopener.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex &handlerMutex()
{
    static QMutex mutex;
    return mutex;
}

UrlOpener::Handler &currentHandler()
{
    static UrlOpener::Handler handler;
    return handler;
}

} // namespace

void UrlOpener::setHandler(Handler handler)
{
    QMutexLocker lock(&handlerMutex());
    currentHandler() = std::move(handler);
}

bool UrlOpener::open(const QUrl &url)
{
    Handler handler;
    {
        QMutexLocker lock(&handlerMutex());
        handler = currentHandler();
    }
    return handler ? handler(url) : false;
}
