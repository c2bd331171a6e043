#pragma once

// The helper's message boxes and desktop services. The engine raises its questions through the
// message seam, partly from installer threads; this shows them as real boxes on the GUI thread.
// With TAM_MESSAGE_LOG set (tests, unattended demos) no box is shown: each is appended to that
// file as "title|text" and answered with Ok, or for questions with the button TAM_MESSAGE_ANSWER
// names ("Yes" or "No", default "No").

#include <QString>
#include <QUrl>

class HelperMessages
{
public:
    static void install();
    static void warning(const QString &title, const QString &text);
    static void critical(const QString &title, const QString &text);
    static bool openUrl(const QUrl &url);
};
