// disctool skin-check, for builds without Qt's form loader: says so instead of pretending.

#include "disctoolcommand.h"

#include <QTextStream>

namespace {

int skinCheckUnavailable(const QStringList &)
{
    QTextStream(stderr) << "disctool skin-check: this disctool was built without Qt's UI tools "
                           "(Qt5UiTools), so it cannot load skin forms. Install qttools5-dev and "
                           "build again.\n";
    return 3;
}

const DiscToolCommand command("skin-check", "SKIN.ui", skinCheckUnavailable);

} // namespace
