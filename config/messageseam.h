#pragma once

// Every message box of the non-widget code goes through here, so that widget programs show a
// real box, tests record and answer, and command-line tools print.

#include <QString>

#include <functional>

class QObject;

namespace MessageSeam {

enum Icon { Information, Warning, Critical, Question };
enum Button { Ok = 0x400, Yes = 0x4000, No = 0x10000 };
// Extra wishes for the box; a handler may ignore what it cannot honour.
enum Flag { KeepOnTop = 0x1, FixedSize = 0x2 };

using Handler = std::function<int(QObject *parent,
                                  Icon icon,
                                  const QString &title,
                                  const QString &text,
                                  int buttons,
                                  int flags)>;

// Installs handler; an empty one restores the default, which prints "title: text" to stderr
// and answers the first of Ok and Yes offered.
void setHandler(Handler handler);
int show(QObject *parent,
         Icon icon,
         const QString &title,
         const QString &text,
         int buttons = Ok,
         int flags = 0);

} // namespace MessageSeam
