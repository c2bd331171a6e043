#pragma once

// One user guide of a catalogue entry: a document on the disc or a page on the web.

#include <QObject>
#include <QString>

class UserGuide : public QObject
{
    Q_OBJECT

public:
    enum Type { NoType = 0, Scanner = 1, Software = 2 };

    explicit UserGuide(QObject *parent = nullptr);

    // "scanner" -> 1, "software" -> 2 (any case), else 0.
    static int typeFromString(const QString &spelling);

    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    double pointSize() const { return m_pointSize; }
    void setPointSize(double size) { m_pointSize = size; }
    int type() const { return m_type; }
    void setType(int type) { m_type = type; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    int order() const { return m_order; }
    void setOrder(int order) { m_order = order; }
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }

public slots:
    // Opens the file (resolved against the current directory) when there is one, else the web
    // address, with the desktop's handler (UrlOpener); what the handler does is not checked.
    void view_document();

private:
    QString m_displayName;
    double m_pointSize = 0;
    int m_type = NoType;
    QString m_fileName;
    int m_order = 0;
    QString m_url;
};
