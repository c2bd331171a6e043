// The skin: loading the Designer form named by the product, placing it in the window, and
// binding its objects to the window by name.

#include "frontend.h"
#include "ui_frontend.h"

#include "focusdescription.h"
#include "focusring.h"
#include "frontendhooks.h"
#include "hostfiles.h"
#include "messageseam.h"
#include "qcheckboxex.h"
#include "qlabelex.h"
#include "qpushbuttonex.h"
#include "qradiobuttonex.h"
#include "qtoolbuttonex.h"
#include "scannerinfo.h"
#include "setupsettings.h"
#include "skinaccessibility.h"
#include "skinkeyboard.h"
#include "skinrequirements.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QIcon>
#include <QMenu>
#include <QResource>
#include <QStackedLayout>
#include <QTextDocument>
#include <QTranslator>
#include <QUiLoader>

#include <algorithm>

namespace {

const char *const BindingClicked = SIGNAL(clicked());
const char *const BindingLinkActivated = SIGNAL(linkActivated(QString));

// "1navigate_IS()" (what SLOT() makes) -> "navigate_IS()".
QString slotSignature(const char *slot)
{
    return QString::fromLatin1(slot + 1);
}

QString widgetText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return QString();
}

void setWidgetText(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
}

// Values come from the catalogue, which an update server's bundle can supply: they go into the
// skin's template as text. A rich template gets the value escaped; a plain one keeps the label
// plain, so that no value can make the label read it as markup (and fetch what an <img> names).
QString fillLabelTemplate(QLabel *label, const QString &templateText, const QString &value)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(templateText));
    label->setTextFormat(rich ? Qt::RichText : Qt::PlainText);
    return QString(templateText).replace(QLatin1String("%1"), rich ? value.toHtmlEscaped() : value);
}

// The main menu's entries, which compaction moves up into the places of hidden ones.
const char *const MenuEntries[] = {"MM_InstallProducts",
                                   "MM_ViewReadme",
                                   "MM_UserGuides",
                                   "MM_BrowseDiscContents",
                                   "MM_ViewWebsite",
                                   "MM_ClearCache",
                                   "MM_Exit"};

QString skinBaseName(const QString &skin)
{
    const int dot = skin.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? skin : skin.left(dot);
}

} // namespace

QWidget *FrontEnd::skinObject(const QString &name) const
{
    return findChild<QWidget *>(name);
}

QWidget *FrontEnd::requireObject(const QString &name)
{
    QWidget *widget = skinObject(name);
    if (!widget)
        showError(m_designErrorTitle, SkinRequirements::missingObject(name));
    return widget;
}

void FrontEnd::showError(const QString &title, const QString &text)
{
    MessageSeam::show(this, MessageSeam::Critical, title, text);
}

bool FrontEnd::connectSkinElement(const QString &name,
                                  QObject *receiver,
                                  const char *slot,
                                  bool report)
{
    QWidget *widget = skinObject(name);
    if (!widget) {
        if (report)
            showError(m_designErrorTitle, SkinRequirements::missingElement(name));
        return false;
    }
    const bool isButton = qobject_cast<QAbstractButton *>(widget) != nullptr;
    if (!isButton && !qobject_cast<QLabel *>(widget)) {
        if (report)
            showError(m_designErrorTitle, SkinRequirements::immutableElement(name));
        return false;
    }
    const bool connected = static_cast<bool>(
            connect(widget, isButton ? BindingClicked : BindingLinkActivated, receiver, slot));
    if (!connected && report) {
        showError(m_designErrorTitle,
                  QStringLiteral("Unable to connect ") + name
                          + (isButton ? QStringLiteral("'s clicked() signal to main window's ")
                                      : QStringLiteral(
                                              "'s linkActivated(QString) signal to main window's "))
                          + slotSignature(slot) + QStringLiteral("slot."));
    }
    return connected;
}

bool FrontEnd::disconnectSkinElement(const QString &name,
                                     QObject *receiver,
                                     const char *slot,
                                     bool report)
{
    QWidget *widget = skinObject(name);
    if (!widget) {
        if (report)
            showError(m_designErrorTitle, SkinRequirements::missingElement(name));
        return false;
    }
    const bool isButton = qobject_cast<QAbstractButton *>(widget) != nullptr;
    if (!isButton && !qobject_cast<QLabel *>(widget)) {
        if (report)
            showError(m_designErrorTitle, SkinRequirements::immutableElement(name));
        return false;
    }
    const bool disconnected
            = disconnect(widget, isButton ? BindingClicked : BindingLinkActivated, receiver, slot);
    if (!disconnected && report) {
        showError(
                m_designErrorTitle,
                QStringLiteral("Unable to disconnect ") + name
                        + (isButton ? QStringLiteral("'s clicked() signal from main window.")
                                    : QStringLiteral(
                                            "'s linkActivated(QString) signal from main window.")));
    }
    return disconnected;
}

QLayout *FrontEnd::findLayoutOf(QWidget *widget, QLayout *layout)
{
    if (!widget || !layout)
        return nullptr;
    if (layout->indexOf(widget) != -1)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *nested = layout->itemAt(i)->layout()) {
            if (QLayout *found = findLayoutOf(widget, nested))
                return found;
        }
    }
    return nullptr;
}

QWidget *FrontEnd::replaceWithHoverWidget(QWidget *widget, QWidget *target, bool showOnHover)
{
    if (!widget)
        return nullptr;
    QWidget *twin = nullptr;
    if (auto *label = qobject_cast<QLabel *>(widget))
        twin = new QLabelEx(label);
    else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
        twin = new QCheckBoxEx(checkBox);
    else if (auto *pushButton = qobject_cast<QPushButton *>(widget))
        twin = new QPushButtonEx(pushButton);
    else if (auto *radioButton = qobject_cast<QRadioButton *>(widget))
        twin = new QRadioButtonEx(radioButton);
    else if (auto *toolButton = qobject_cast<QToolButton *>(widget))
        twin = new QToolButtonEx(toolButton);
    else
        return nullptr;

    if (target) {
        connect(twin,
                SIGNAL(cursorHasEntered()),
                target,
                showOnHover ? SLOT(show()) : SLOT(hide()));
        connect(twin, SIGNAL(cursorHasLeft()), target, showOnHover ? SLOT(hide()) : SLOT(show()));
    }

    const QString name = widget->objectName();
    widget->setObjectName(name + QStringLiteral("Old"));
    twin->setObjectName(name);

    QWidget *parent = widget->parentWidget();
    QLayout *layout = parent ? findLayoutOf(widget, parent->layout()) : nullptr;
    bool placed = false;
    if (layout) {
        const int index = layout->indexOf(widget);
        if (index == -1) {
            showWarning(QStringLiteral("Unable to find widget ") + name
                        + QStringLiteral(" in layout ") + layout->objectName());
            layout->addWidget(twin);
            placed = true;
        } else if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            grid->removeWidget(widget);
            grid->addWidget(twin, row, column, rowSpan, columnSpan);
            placed = true;
        } else if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
            box->removeWidget(widget);
            box->insertWidget(index, twin);
            placed = true;
        } else if (qobject_cast<QFormLayout *>(layout)) {
            showError(m_errorTitle,
                      QStringLiteral("We cannot handle widget ") + name
                              + QStringLiteral(" being a child of a QFormLayout."));
        } else if (qobject_cast<QStackedLayout *>(layout)) {
            showError(m_errorTitle,
                      QStringLiteral("We cannot handle widget ") + name
                              + QStringLiteral(" being a child of a QStackedLayout."));
        } else {
            showWarning(QStringLiteral("Unable to determine the type of layout ")
                        + layout->objectName() + QStringLiteral(". Proceeding as best we can."));
            layout->removeWidget(widget);
            layout->addWidget(twin);
            placed = true;
        }
    }
    if (!placed) {
        // Outside a layout (or in one we must leave alone) the twin takes the skin widget's
        // place among its siblings; a twin left without parent would open as a window of its own.
        twin->setParent(parent);
        twin->setGeometry(widget->geometry());
        twin->stackUnder(widget);
        if (!layout) {
            widget->setParent(nullptr);
            // Out of the tree nobody owns the old widget any more; it goes with its twin.
            connect(twin, &QObject::destroyed, widget, &QObject::deleteLater);
        }
    }

    const QObjectList children = widget->children();
    for (QObject *child : children) {
        if (qobject_cast<QLayout *>(child))
            continue; // a layout went over with the state
        if (auto *childWidget = qobject_cast<QWidget *>(child)) {
            const bool wasShown = !childWidget->isHidden();
            childWidget->setParent(twin);
            childWidget->setVisible(wasShown);
        } else {
            child->setParent(twin);
        }
    }
    widget->hide();
    twin->show();
    return twin;
}

QWidget *FrontEnd::cloneWidget(QWidget *templateWidget,
                               const QString &objectName,
                               const QString &value,
                               const QString &textFormat,
                               QLayout *layout,
                               int row,
                               int column)
{
    if (!templateWidget)
        return nullptr;
    const QString text = QString(textFormat).replace(QLatin1String("%1"), value);
    QWidget *clone = nullptr;
    if (auto *label = qobject_cast<QLabel *>(templateWidget)) {
        auto *copy = new QLabel;
        copy->setTextFormat(label->textFormat());
        copy->setText(fillLabelTemplate(copy, textFormat, value));
        copy->setAlignment(label->alignment());
        copy->setWordWrap(label->wordWrap());
        clone = copy;
    } else if (auto *checkBox = qobject_cast<QCheckBox *>(templateWidget)) {
        auto *copy = new QCheckBox(text);
        copy->setTristate(checkBox->isTristate());
        clone = copy;
    } else if (auto *pushButton = qobject_cast<QPushButton *>(templateWidget)) {
        auto *copy = new QPushButton(text);
        copy->setAutoDefault(pushButton->autoDefault());
        copy->setDefault(pushButton->isDefault());
        copy->setFlat(pushButton->isFlat());
        copy->setMenu(pushButton->menu());
        clone = copy;
    } else if (qobject_cast<QRadioButton *>(templateWidget)) {
        clone = new QRadioButton(text);
    } else if (auto *toolButton = qobject_cast<QToolButton *>(templateWidget)) {
        auto *copy = new QToolButton;
        copy->setText(text);
        copy->setArrowType(toolButton->arrowType());
        copy->setAutoRaise(toolButton->autoRaise());
        copy->setPopupMode(toolButton->popupMode());
        copy->setMenu(toolButton->menu());
        copy->setIcon(toolButton->icon());
        copy->setToolButtonStyle(toolButton->toolButtonStyle());
        clone = copy;
    } else {
        clone = new QWidget;
    }
    clone->setObjectName(objectName);
    clone->setGeometry(templateWidget->geometry());
    clone->setFont(templateWidget->font());
    clone->setStyleSheet(templateWidget->styleSheet());
    if (templateWidget->testAttribute(Qt::WA_SetCursor))
        clone->setCursor(templateWidget->cursor());
    clone->setAccessibleDescription(templateWidget->accessibleDescription());
    clone->setAccessibleName(templateWidget->accessibleName());
    clone->setAutoFillBackground(templateWidget->autoFillBackground());
    clone->setEnabled(templateWidget->isEnabled());
    clone->setMaximumSize(templateWidget->maximumSize());
    clone->setMinimumSize(templateWidget->minimumSize());
    clone->setMouseTracking(templateWidget->hasMouseTracking());
    clone->setContextMenuPolicy(templateWidget->contextMenuPolicy());

    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        grid->addWidget(clone, row, column);
    } else if (layout) {
        layout->addWidget(clone);
    } else {
        clone->setParent(templateWidget->parentWidget());
        clone->setGeometry(templateWidget->geometry());
        clone->setVisible(!templateWidget->isHidden());
    }
    return clone;
}

void FrontEnd::setVariableText(QWidget *widget,
                               bool captureTemplate,
                               QString &templateText,
                               const QString &value,
                               QObject *receiver,
                               const char *slot)
{
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!label && !button)
        return;
    if (captureTemplate)
        templateText = widgetText(widget).replace(QLatin1String("$VARIABLE$"), QLatin1String("%1"));
    if (label)
        label->setText(fillLabelTemplate(label, templateText, value));
    else
        button->setText(QString(templateText).replace(QLatin1String("%1"), value));
    if (receiver && slot)
        connect(widget, label ? BindingLinkActivated : BindingClicked, receiver, slot);
}

void FrontEnd::setFixedPointSize(QWidget *widget, double pointSize)
{
    if (pointSize <= 0)
        return;
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    widget->setFont(font);
}

QString FrontEnd::downloadFolder()
{
    return HostFiles::hostPath(SetupSettings::downloadPath());
}

void FrontEnd::removeDownloadFolder()
{
    QDir(downloadFolder()).removeRecursively();
}

void FrontEnd::updateClearCacheButton()
{
    QWidget *button = requireObject(QStringLiteral("MM_ClearCache"));
    if (button && button->isVisible())
        button->setEnabled(QFileInfo(downloadFolder()).isDir());
}

bool FrontEnd::loadProductFiles()
{
    switch (m_sourceMode) {
    case SourceMode::DiscOnly:
        return m_scannerInfo->load(m_productXmlPath, true, false);
    case SourceMode::UpdateOnly:
        return m_scannerInfo->load(m_updateXmlPath, false, false);
    case SourceMode::Merged: {
        const bool disc = m_scannerInfo->load(m_productXmlPath, true, true);
        const bool update = m_scannerInfo->load(m_updateXmlPath, false, true);
        m_scannerInfo->merge();
        return disc && update;
    }
    case SourceMode::None:
        break;
    }
    return false;
}

// The product's long name may come from the update server: it is shown as plain text, never
// read as markup. A skin styles the label itself (in its style sheet) by giving it the plain
// text format or a style sheet of its own; skins made before that leave it to us and get the
// look the name always had.
void FrontEnd::setScannerNameText(QWidget *root)
{
    auto *label = root->window()->findChild<QLabel *>(QStringLiteral("ScannerName"));
    if (!label)
        return;
    const bool skinStylesName
            = label->textFormat() == Qt::PlainText || !label->styleSheet().isEmpty();
    label->setTextFormat(Qt::PlainText);
    if (skinStylesName) {
        label->setText(m_scannerInfo->longName());
        return;
    }
    label->setStyleSheet(QStringLiteral("QLabel { font-family: 'Corvex Sans'; font-size: 29px; "
                                        "color: #FFFFFF; text-decoration: none; margin: 0px; }"));
    label->setText(QStringLiteral("  ") + m_scannerInfo->longName());
}

bool FrontEnd::compactMenu()
{
    QWidget *readme = requireObject(QStringLiteral("MM_ViewReadme"));
    if (!readme)
        return false;
    QWidget *website = requireObject(QStringLiteral("MM_ViewWebsite"));
    if (!website)
        return false;
    QWidget *browse = requireObject(QStringLiteral("MM_BrowseDiscContents"));
    if (!browse)
        return false;
    QWidget *guides = requireObject(QStringLiteral("MM_UserGuides"));
    if (!guides)
        return false;
    if (m_scannerInfo->readme().isEmpty()) {
        readme->hide();
        const QPoint readmeAt = readme->pos();
        const QPoint guidesAt = guides->pos();
        const QPoint browseAt = browse->pos();
        website->move(browseAt);
        browse->move(guidesAt);
        guides->move(readmeAt);
    }
    if (m_sourceMode == SourceMode::UpdateOnly) {
        browse->hide();
        website->move(browse->pos());
    }
    return true;
}

void FrontEnd::applyBindingTable()
{
    for (const SkinRequirements::Binding &binding : SkinRequirements::bindings())
        connectSkinElement(QLatin1String(binding.name), this, binding.slot, binding.report);
}

void FrontEnd::set_up_main_ui()
{
    if (setUpMainMenu())
        return;
    // A hidden window left behind would hold the segment, and every later start of setup
    // would leave silently as a second copy.
    emit mainMenuFailed();
}

// The main menu is set up in the order its parts depend on each other: the catalogue names the
// skin, the skin's form must be loaded and placed before its objects can be found, and the
// pages are built once the menu's own entries are bound. A step that returns false has
// reported a fault of the skin or the product files; the menu is then left as it is.
bool FrontEnd::setUpMainMenu()
{
    enterChosenLanguage();
    loadProductFiles();
    if (!runUpdateCheck()) {
        close();
        return true;
    }
    // The skin's own texts are translated while the main menu is set up, and only then.
    QTranslator skinTranslator;
    QWidget *root = loadSkin(skinTranslator);
    if (!root)
        return false;
    placeSkin(root);
    const QList<int> menuSlots = menuEntryTops();
    setScannerNameText(root);
    if (!prepareMenuEntries() || !compactMenu() || !bindMainMenu())
        return false;
    buildPages();
    prepareForKeyboardAndReaders(root);
    if (!showMainMenu())
        return false;
    closeMenuGaps(menuSlots);
    return true;
}

void FrontEnd::enterChosenLanguage()
{
    hide();
    ui->LanguagePicker->hide();
    reloadTranslators();
    m_errorTitle = QStringLiteral("Front End Error");
    if (!m_scannerInfo)
        m_scannerInfo = new ScannerInfo(this);
    m_scannerInfo->setLanguage(m_languageCode);
    // The picker is gone for good; its list must not be read out on every page.
    SkinAccessibility::hideFromTree(ui->LanguagePicker);
}

// The skin's form with its translation, resources, fonts and icon; its root, or null when the
// skin cannot be used (reported).
QWidget *FrontEnd::loadSkin(QTranslator &skinTranslator)
{
    const QString skin = m_scannerInfo->skin();
    if (skin.contains(QLatin1String("TamSkin")))
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    if (skinTranslator.load(skinBaseName(skin) + QLatin1Char('_') + m_languageCode,
                            QDir::currentPath()))
        QCoreApplication::installTranslator(&skinTranslator);
    else
        showWarning(QStringLiteral("Unable to load translation file for qstrSkin ") + skin
                    + QLatin1Char('.'));
    loadSkinResources(skin);
    QWidget *form = loadSkinForm(skin);
    if (!form)
        return nullptr;
    QWidget *root = form->objectName().toLower() == QLatin1String("root")
                            ? form
                            : form->findChild<QWidget *>(QStringLiteral("Root"));
    if (!root)
        showError(m_designErrorTitle, SkinRequirements::noRoot(skin));
    return root;
}

void FrontEnd::loadSkinResources(const QString &skin)
{
    if (!QResource::registerResource(skinBaseName(skin) + QStringLiteral(".rcc")))
        showWarning(QStringLiteral("Unable to load resource file for qstrSkin ") + skin
                    + QLatin1Char('.'));

    const QString fontFolder = QStringLiteral(":/FrontEndFonts/Fonts");
    for (const QString &file : QDir(fontFolder).entryList(QDir::Files)) {
        if (QFontDatabase::addApplicationFont(fontFolder + QLatin1Char('/') + file) == -1)
            MessageSeam::show(this,
                              MessageSeam::Warning,
                              QStringLiteral("Front End Error"),
                              QStringLiteral("Unable to load font \"") + file
                                      + QStringLiteral("\" from the resources."));
    }

    const QString iconFolder = QStringLiteral(":/FrontEndIcons/Resources");
    const QStringList icons = QDir(iconFolder).entryList(QDir::Files);
    if (!icons.isEmpty()) {
        *m_windowIcon = QIcon(iconFolder + QLatin1Char('/') + icons.first());
        setWindowIcon(*m_windowIcon);
    }
}

QWidget *FrontEnd::loadSkinForm(const QString &skin)
{
    QFile skinFile(skin);
    if (skin.isEmpty() || !skinFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        showError(m_designErrorTitle, SkinRequirements::cannotOpen(skin));
        return nullptr;
    }
    QUiLoader loader;
    QWidget *form = loader.load(&skinFile, this);
    if (!form)
        showError(m_designErrorTitle, SkinRequirements::cannotLoad(skin));
    return form;
}

// The window takes the root's size, centred on the screen; the fixed form's wait screen and
// buttons are placed over the skin.
void FrontEnd::placeSkin(QWidget *root)
{
    const QRect available = QApplication::desktop()->availableGeometry(this);
    const int w = root->width();
    const int h = root->height();
    setMinimumSize(root->minimumSize());
    setMaximumSize(root->maximumSize());
    setGeometry((available.width() - w) / 2, (available.height() - h) / 2, w, h);

    QFrame *waitScreen = ui->WaitScreen;
    if (waitScreen->width() > w - 20)
        waitScreen->resize(w - 20, waitScreen->height());
    waitScreen->move((w - waitScreen->width()) / 2, (h - waitScreen->height()) / 2);

    if (m_scannerInfo->skin().contains(QLatin1String("TamSkin"))) {
        ui->ExitButton->move(w - ui->ExitButton->width() - 5, 5);
        ui->MinimizeButton->move(ui->ExitButton->x() - ui->MinimizeButton->width(), 5);
    } else {
        ui->ExitButton->hide();
        ui->MinimizeButton->hide();
    }

    QWidget *form = root;
    while (form->parentWidget() && form->parentWidget() != this)
        form = form->parentWidget();
    // Moving a styled tree makes Qt resolve the style of every widget in it again; moved bare
    // and styled again in its new place, the unpolished widgets cost next to nothing.
    const QString styleSheet = root->styleSheet();
    root->setStyleSheet(QString());
    root->setParent(ui->centralWidget);
    root->setStyleSheet(styleSheet);
    root->move(0, 0);
    ui->centralWidget->move(0, 0);
    root->show();
    // What is left of the form around its root would lie over the window's contents.
    if (form != root)
        form->hide();
}

// The main menu's entries as the skin's designer left them for us: the disc entry names the
// disc, the installing markers and the greyed twins step back, the readme entry shows its
// description while the pointer rests on it.
bool FrontEnd::prepareMenuEntries()
{
    hide_viewReadme_description();
    showPage(QStringLiteral("MM"));
    QWidget *browse = requireObject(QStringLiteral("MM_BrowseDiscContents"));
    if (!browse)
        return false;
    setWidgetText(browse, widgetText(browse).replace(QLatin1String("%1"), tr("DVD")));

    for (const char *flag : {"UG_InstallingFlag", "SD_InstallingFlag", "SWD_InstallingFlag"}) {
        QWidget *marker = requireObject(QLatin1String(flag));
        if (!marker)
            return false;
        marker->hide();
    }
    for (const char *entryName : {"UG_ScannerDocs", "UG_SoftwareDocs", "UG_MainMenu"}) {
        QWidget *entry = requireObject(QLatin1String(entryName));
        if (!entry)
            return false;
        QWidget *placeholder = skinObject(QLatin1String(entryName) + QStringLiteral("_disabled"));
        if (placeholder && !placeholder->isHidden()) {
            placeholder->hide();
            entry->show();
        } else {
            entry->setEnabled(true);
        }
    }
    raiseFixedForm();

    QWidget *readmeDescription = requireObject(QStringLiteral("MM_ReadmeDesc"));
    if (!readmeDescription)
        return false;
    QWidget *viewReadme = requireObject(QStringLiteral("MM_ViewReadme"));
    if (!viewReadme)
        return false;
    if (QWidget *twin = replaceWithHoverWidget(viewReadme, readmeDescription, true))
        new FocusDescription(twin, readmeDescription);
    return true;
}

// The wait screen and the window's own buttons lie above the skin.
void FrontEnd::raiseFixedForm()
{
    ui->WaitScreen->raise();
    ui->ExitButton->raise();
    ui->MinimizeButton->raise();
    ui->WaitScreen->hide();
    connect(ui->MinimizeButton,
            &QPushButton::clicked,
            this,
            &FrontEnd::showMinimized,
            Qt::UniqueConnection);
    connect(ui->ExitButton,
            &QPushButton::clicked,
            this,
            &FrontEnd::TY_Exit_clicked,
            Qt::UniqueConnection);
}

bool FrontEnd::bindMainMenu()
{
    setWindowTitle(m_scannerInfo->longName());
    applyBindingTable();
    QWidget *website = requireObject(QStringLiteral("MM_ViewWebsite"));
    if (!website)
        return false;
    if (m_scannerInfo->website().isEmpty())
        website->hide();
    return true;
}

void FrontEnd::buildPages()
{
    buildInstallRows();
    applyTrademarkNotice();
    buildGuidePages();
}

// The skin's Tab chain follows the form's object order, and run-time copies land at its end:
// each page is chained in reading order instead. Pages are chained one after the other; only the
// shown page's controls are reachable.
void FrontEnd::prepareForKeyboardAndReaders(QWidget *root)
{
    SkinKeyboard::makeLinksReachable(root);
    for (const QString &prefix : qAsConst(m_pagePrefixes)) {
        if (QWidget *page = skinObject(prefix)) {
            SkinKeyboard::orderTabs(page);
            SkinKeyboard::assignShortcuts(page);
            SkinAccessibility::nameByHeading(page);
        }
    }
    if (QWidget *busy = skinObject(QStringLiteral("IS_ANI")))
        busy->setAccessibleName(tr("Installing..."));
    SkinAccessibility::hideDecorations(root);
    if (!m_focusRing) {
        m_focusRing = new FocusRing(root, ui->centralWidget);
        SkinAccessibility::hideFromTree(m_focusRing);
    }
}

QList<QWidget *> FrontEnd::menuEntries() const
{
    QList<QWidget *> entries;
    for (const char *name : MenuEntries) {
        if (QWidget *entry = skinObject(QLatin1String(name)))
            entries.append(entry);
    }
    return entries;
}

QList<int> FrontEnd::menuEntryTops() const
{
    QList<int> tops;
    for (QWidget *entry : menuEntries()) {
        if (!tops.contains(entry->y()))
            tops.append(entry->y());
    }
    std::sort(tops.begin(), tops.end());
    return tops;
}

// The entries the product leaves out (the cache entry of a disc-only catalogue, the web site
// without an address, ...) leave no empty places above the entries below them: the entries
// shown take the designed places from the top, in their order. Only a menu laid out as one
// column is rearranged so.
void FrontEnd::closeMenuGaps(const QList<int> &tops)
{
    QList<QWidget *> shown;
    const QList<QWidget *> entries = menuEntries();
    for (QWidget *entry : entries) {
        if (entry->x() != entries.first()->x())
            return;
        if (!entry->isHidden())
            shown.append(entry);
    }
    std::stable_sort(
            shown.begin(), shown.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
    for (int i = 0; i < shown.size() && i < tops.size(); ++i)
        shown.at(i)->move(shown.at(i)->x(), tops.at(i));
}

bool FrontEnd::showMainMenu()
{
    if (m_sourceMode == SourceMode::DiscOnly) {
        QWidget *clearCache = requireObject(QStringLiteral("MM_ClearCache"));
        if (!clearCache)
            return false;
        clearCache->hide();
    } else {
        updateClearCacheButton();
    }
    show();
    // Shown again after the picker and the update question, the window must take the keyboard
    // itself: without a window manager nobody hands it over, and keys would go nowhere.
    activateWindow();
    updateClearCacheButton();
    if (QWidget *menu = skinObject(QStringLiteral("MM")); menu && menu->isVisible())
        SkinKeyboard::focusFirstControl(menu);

    if (m_resumeStep != 0 || m_sourceMode == SourceMode::UpdateOnly)
        navigate_IS();
    if (m_resumeStep != 0)
        offerInterruptedSelection();
    return true;
}
