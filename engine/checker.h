#pragma once

// The declarative installed-state test of one installer, as the catalogue writes it.

#include <QString>

class QObject;

class Checker
{
public:
    // The kinds of check; the numbers are the ones the run list carries.
    enum class Type {
        Unknown = 0,
        InstallerCode = 1, // "installer"
        File = 2,
        Settings = 3,
        RegistryKey = 4,
        Ignored = 5,
        UpgradeCode = 6,
        DisplayName = 7,
        UninstallAll = 8,
        RegistryKeyValue = 9,
    };

    explicit Checker(QObject *owner = nullptr);

    // The catalogue spellings (any case); unknown text is Type::Unknown.
    static Type typeFromString(const QString &spelling);
    // The run list's number of a kind; a number that names no kind is Type::Unknown.
    static Type typeFromNumber(int number);
    static int matchModeFromString(const QString &spelling);
    // A mode given as its number or as a spelling; -1 when it is neither.
    static int matchModeFromText(const QString &text);

    void setType(Type type);
    void setType(const QString &spelling);
    void setQueryRoot(const QString &root);
    void setQueryValue(const QString &value);
    void setMatchValue(const QString &value);
    void setMatchMode(int mode);
    void setMatchMode(const QString &spelling);
    void setOwner(QObject *owner);
    void setCheckForAnotherVersion(bool check);
    // The run list rebuilds checkers that are configured without going through the setters.
    void setConfigured(bool configured);

    Type type() const { return m_type; }
    QString queryRoot() const { return m_queryRoot; }
    QString queryValue() const { return m_queryValue; }
    QString matchValue() const { return m_matchValue; }
    int matchMode() const { return m_matchMode; }
    QObject *owner() const { return m_owner; }
    bool isConfigured() const { return m_configured; }
    bool checkForAnotherVersion() const { return m_checkForAnotherVersion; }
    QString foundVersion() const { return m_foundVersion; }
    QString foundProductCode() const { return m_foundProductCode; }

    // True when what the installer installs is present. Updates the found version and
    // product code and the ignored flag.
    bool check();
    bool isIgnored() const { return m_ignored; }

private:
    bool decideByMode(const QString &version) const;
    bool checkRegistryKey() const;
    bool checkRegistryKeyValue();

    Type m_type = Type::Unknown;
    QString m_queryRoot;
    QString m_queryValue;
    QString m_matchValue;
    int m_matchMode = 0;
    QObject *m_owner = nullptr;
    QString m_errorTitle;
    bool m_configured = false;
    bool m_ignored = false;
    bool m_checkForAnotherVersion = false;
    QString m_foundVersion;
    QString m_foundProductCode;
};
