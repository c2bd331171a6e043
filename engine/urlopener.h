#pragma once

// Opening a document or web page after an installer ran needs the desktop's services (QtGui);
// the engine stays without them and the programs install the opener at start-up.

#include <QUrl>

#include <functional>

class UrlOpener
{
public:
    using Handler = std::function<bool(const QUrl &url)>;

    // An empty handler makes open() do nothing and report false.
    static void setHandler(Handler handler);
    static bool open(const QUrl &url);
};
