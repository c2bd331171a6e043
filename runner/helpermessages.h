#pragma once

// The helper's message boxes and desktop services. The engine raises its questions through the
// message seam, partly from installer threads; this shows them as real boxes on the GUI thread.
// The helper runs as administrator: nothing it inherits (its environment in particular) may
// answer for the user or make it write elsewhere. The end-to-end tests run a variant of their
// own with other handlers (tests/runner).

#include <QString>
#include <QUrl>

class HelperMessages
{
public:
    // Message boxes and URLs (MessageSeam, UrlOpener) go here.
    static void install();
    static void warning(const QString &title, const QString &text);
    static void critical(const QString &title, const QString &text);
    static bool openUrl(const QUrl &url);
};
