#include "skinrequirements.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

const std::vector<SkinRequirements::Binding> &SkinRequirements::bindings()
{
    static const std::vector<Binding> table = {
            {"MM_InstallProducts", SLOT(navigate_IS()), true},
            {"MM_UserGuides", SLOT(navigate_UG()), true},
            {"MM_Exit", SLOT(navigate_TY()), true},
            {"MM_ClearCache", SLOT(clear_cache_from_main()), true},
            {"UG_ScannerDocs", SLOT(navigate_SD()), true},
            {"UG_SoftwareDocs", SLOT(navigate_SWD()), true},
            {"UG_MainMenu", SLOT(navigate_MM()), true},
            {"SD_UserGuidesMenu", SLOT(navigate_UG()), true},
            {"SWD_UserGuidesMenu", SLOT(navigate_UG()), true},
            {"IS_MainMenu", SLOT(navigate_MM()), true},
            {"D2_MainMenu", SLOT(navigate_MM()), true},
            {"D2_Exit", SLOT(navigate_TY()), true},
            {"MM_ViewReadme", SLOT(launch_scanner_readme()), true},
            {"MM_BrowseDiscContents", SLOT(browse_disc_contents()), true},
            {"MM_ViewWebsite", SLOT(launch_website()), true},
            {"TY_Exit", SLOT(TY_Exit_clicked()), true},
            {"UG_Instructions", SLOT(launch_reader_installer()), false},
            {"SD_Instructions", SLOT(launch_reader_installer()), false},
            {"SWD_Instructions", SLOT(launch_reader_installer()), false},
            {"IS_InstallNow", SLOT(install_selected_apps()), true},
            {"IS_ClearCache", SLOT(clear_cache()), true},
    };
    return table;
}

const std::vector<SkinRequirements::Required> &SkinRequirements::requiredObjects()
{
    static const std::vector<Required> objects = {
            {"MM_BrowseDiscContents", Kind::ButtonOrLabel},
            {"UG_InstallingFlag", Kind::ButtonOrLabel},
            {"SD_InstallingFlag", Kind::AnyWidget},
            {"SWD_InstallingFlag", Kind::AnyWidget},
            {"UG_ScannerDocs", Kind::ButtonOrLabel},
            {"UG_SoftwareDocs", Kind::ButtonOrLabel},
            {"UG_MainMenu", Kind::ButtonOrLabel},
            {"MM_ReadmeDesc", Kind::AnyWidget},
            {"MM_ViewReadme", Kind::ButtonOrLabel},
            {"MM_ViewWebsite", Kind::ButtonOrLabel},
            {"MM_UserGuides", Kind::ButtonOrLabel},
            {"MM_ClearCache", Kind::ButtonOrLabel},
            {"IS_App1", Kind::CheckBox},
            {"IS_Status1", Kind::Label},
            {"IS_DVD1", Kind::RadioButton},
            {"IS_WEB1", Kind::RadioButton},
            {"IS_Desc1", Kind::Label},
    };
    return objects;
}

QStringList SkinRequirements::guidePageObjects()
{
    return {QStringLiteral("SD_Layout"),
            QStringLiteral("SD_Readme"),
            QStringLiteral("SWD_Layout"),
            QStringLiteral("SWD_UserGuide1")};
}

bool SkinRequirements::isButtonOrLabel(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLabel *>(widget);
}

bool SkinRequirements::hasKind(const QWidget *widget, Kind kind)
{
    switch (kind) {
    case Kind::AnyWidget:
        return widget != nullptr;
    case Kind::ButtonOrLabel:
        return isButtonOrLabel(widget);
    case Kind::Label:
        return qobject_cast<const QLabel *>(widget) != nullptr;
    case Kind::CheckBox:
        return qobject_cast<const QCheckBox *>(widget) != nullptr;
    case Kind::RadioButton:
        return qobject_cast<const QRadioButton *>(widget) != nullptr;
    }
    return false;
}

QString SkinRequirements::kindName(Kind kind)
{
    switch (kind) {
    case Kind::AnyWidget:
        return QStringLiteral("a widget");
    case Kind::ButtonOrLabel:
        return QStringLiteral("a button or label");
    case Kind::Label:
        return QStringLiteral("a QLabel");
    case Kind::CheckBox:
        return QStringLiteral("a QCheckBox");
    case Kind::RadioButton:
        return QStringLiteral("a QRadioButton");
    }
    return QString();
}

QString SkinRequirements::missingObject(const QString &name)
{
    return QStringLiteral("Could not find the ") + name + QStringLiteral(" object in the skin.");
}

QString SkinRequirements::missingElement(const QString &name)
{
    return QStringLiteral("Skin does not have the \"") + name + QStringLiteral("\" element.");
}

QString SkinRequirements::immutableElement(const QString &name)
{
    return QStringLiteral("Skin has an immutable element (") + name
           + QStringLiteral(") which is not a button or label.");
}

QString SkinRequirements::cannotOpen(const QString &skin)
{
    return QStringLiteral("Unable to open qstrSkin \"") + skin
           + QStringLiteral("\" specified in scanner.xml.");
}

QString SkinRequirements::cannotLoad(const QString &skin)
{
    return QStringLiteral("Unable to load qstrSkin \"") + skin
           + QStringLiteral("\" specified in scanner.xml.");
}

QString SkinRequirements::noRoot(const QString &skin)
{
    return QStringLiteral("Skin \"") + skin
           + QStringLiteral("\" does not have the \"Root\" element.");
}
