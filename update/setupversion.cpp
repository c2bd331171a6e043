#include "setupversion.h"

#include <algorithm>

namespace {

// Digit runs of any length compare as numbers without ever overflowing: without leading zeros
// a longer run is the larger number, and runs of one length compare as text.
int compareNumbers(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

QStringList SetupVersion::numbers(const QString &version)
{
    QStringList result;
    QString run;
    const auto endRun = [&] {
        if (run.isEmpty())
            return;
        int zeros = 0;
        while (zeros < run.size() - 1 && run.at(zeros) == QLatin1Char('0'))
            ++zeros;
        result << run.mid(zeros);
        run.clear();
    };
    for (const QChar c : version) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            run.append(c);
        else
            endRun();
    }
    endRun();
    return result;
}

bool SetupVersion::isAtLeast(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QStringList left = numbers(a);
    const QStringList right = numbers(b);
    if (left.isEmpty() && right.isEmpty())
        return false;
    const int positions = std::max(left.size(), right.size());
    const QString zero = QStringLiteral("0");
    for (int i = 0; i < positions; ++i) {
        const int order = compareNumbers(left.value(i, zero), right.value(i, zero));
        if (order != 0)
            return order > 0;
    }
    return true;
}
