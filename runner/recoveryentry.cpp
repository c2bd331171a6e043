#include "recoveryentry.h"

#include "registry.h"

namespace {

sys::RegKey openRunOnce()
{
    return sys::RegKey::open(sys::RegRoot::CurrentUser,
                             RecoveryEntry::KeyPath,
                             sys::RegAccess::QueryValue | sys::RegAccess::SetValue);
}

} // namespace

QString RecoveryEntry::commandLine(const QString &setupExecutablePath, const QString &languageCode)
{
    QString program = setupExecutablePath;
    program.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (program.contains(QLatin1Char(' ')) || program.contains(QLatin1Char('\t')))
        program = QLatin1Char('"') + program + QLatin1Char('"');
    return QStringLiteral("%1 %2 %3").arg(program, languageCode).arg(ResumeStep);
}

void RecoveryEntry::write(const QString &setupExecutablePath,
                          const QString &languageCode,
                          const QStringList &selection)
{
    sys::RegKey key = openRunOnce();
    if (!key.isOpen())
        return;
    key.setString(ValueName, commandLine(setupExecutablePath, languageCode).toStdWString());
    sys::RegKey own = sys::RegKey::create(sys::RegRoot::CurrentUser,
                                          SelectionKeyPath,
                                          sys::RegAccess::QueryValue | sys::RegAccess::SetValue);
    if (!own.isOpen())
        return;
    if (selection.isEmpty())
        own.deleteValue(SelectionValueName);
    else
        own.setString(SelectionValueName, selection.join(QLatin1Char(';')).toStdWString());
}

QStringList RecoveryEntry::selection()
{
    const sys::RegKey own = sys::RegKey::open(
            sys::RegRoot::CurrentUser, SelectionKeyPath, sys::RegAccess::QueryValue);
    std::wstring text;
    if (!own.isOpen() || !own.readString(SelectionValueName, text))
        return QStringList();
    return QString::fromStdWString(text).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

void RecoveryEntry::remove()
{
    sys::RegKey key = openRunOnce();
    if (key.isOpen())
        key.deleteValue(ValueName);
    sys::RegKey own = sys::RegKey::open(
            sys::RegRoot::CurrentUser, SelectionKeyPath, sys::RegAccess::SetValue);
    if (own.isOpen())
        own.deleteValue(SelectionValueName);
}

QString RecoveryEntry::take()
{
    sys::RegKey key = openRunOnce();
    if (!key.isOpen())
        return QString();
    std::wstring text;
    if (!key.readString(ValueName, text))
        return QString();
    key.deleteValue(ValueName);
    return QString::fromStdWString(text);
}

void RecoveryEntry::restore(const QString &storedCommandLine)
{
    sys::RegKey key = openRunOnce();
    if (key.isOpen() && !storedCommandLine.isEmpty())
        key.setString(ValueName, storedCommandLine.toStdWString());
}
