#pragma once

// What a skin must hold for the front end, and how its faults read. The front end reports
// with these texts while it loads a skin; disctool's skin-check uses the same to judge a form
// before a disc is burnt.

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

class SkinRequirements
{
public:
    struct Binding
    {
        const char *name;
        const char *slot; // as SLOT() writes it
        bool report;
    };
    // The skin entries bound to the main window's slots, in binding order.
    static const std::vector<Binding> &bindings();

    enum class Kind { AnyWidget, ButtonOrLabel, Label, CheckBox, RadioButton };
    struct Required
    {
        const char *name;
        Kind kind;
    };
    // Objects without which the main menu or the Install page cannot be set up.
    static const std::vector<Required> &requiredObjects();
    // Objects the document pages need once the product has user guides.
    static QStringList guidePageObjects();

    static bool isButtonOrLabel(const QWidget *widget);
    static bool hasKind(const QWidget *widget, Kind kind);
    static QString kindName(Kind kind);

    static QString missingObject(const QString &name);
    static QString missingElement(const QString &name);
    static QString immutableElement(const QString &name);
    static QString cannotOpen(const QString &skin);
    static QString cannotLoad(const QString &skin);
    static QString noRoot(const QString &skin);
};
