// Renders the language picker, every page of a disc's skin and the two licence dialogs to PNG
// files, for people to look at. Usage: screenshots DISC_FOLDER OUTPUT_FOLDER LANGUAGE_CODE
// The disc is used as setup would use it from its root; message boxes are printed, not shown.

#include "euladlg.h"
#include "frontend.h"
#include "frontendhooks.h"
#include "startupplan.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        err << "usage: screenshots DISC_FOLDER OUTPUT_FOLDER LANGUAGE_CODE\n";
        return 2;
    }
    const QString disc = QDir(arguments.at(1)).absolutePath();
    const QString output = QDir(arguments.at(2)).absolutePath();
    const QString language = arguments.at(3);
    QDir().mkpath(output);

    // Nothing on the desktop may open while pictures are taken.
    FrontEndHooks::setProgramDirectory(disc);
    FrontEndHooks::setOpenUrl([](const QUrl &) { return true; });
    FrontEndHooks::setStartDetached([](const QString &, const QString &) { return true; });

    // A resume keeps the update folder and skips device selection: nothing else is touched.
    const StartupPlan plan = StartupPlan::prepare(disc, {language, QStringLiteral("0")});
    if (plan.exitAtOnce)
        return 1;
    QDir::setCurrent(disc);

    FrontEnd window(0);
    window.prepareLanguages();
    window.show();
    app.processEvents();
    window.grab().save(output + QStringLiteral("/picker_") + language + QStringLiteral(".png"));

    window.resumeInLanguage(language, 0);
    app.processEvents();
    int saved = 0;
    for (const char *page : {"MM", "IS", "UG", "SD", "SWD", "D2", "TY"}) {
        // The install page shows its rows only once they were refreshed.
        if (qstrcmp(page, "IS") == 0)
            window.navigate_IS();
        else
            window.showPage(QLatin1String(page));
        app.processEvents();
        const QString file = output + QLatin1Char('/') + QLatin1String(page) + QLatin1Char('_')
                             + language + QStringLiteral(".png");
        if (window.grab().save(file))
            ++saved;
    }
    const struct
    {
        EULADlg::Licence licence;
        const char *name;
    } licences[] = {{EULADlg::BrandLicence, "EULA_COR"}, {EULADlg::MakerLicence, "EULA_TAM"}};
    for (const auto &licence : licences) {
        EULADlg dialog(&window, Qt::WindowFlags(), EULADlg::licencePath(licence.licence, language));
        dialog.show();
        app.processEvents();
        const QString file = output + QLatin1Char('/') + QLatin1String(licence.name)
                             + QLatin1Char('_') + language + QStringLiteral(".png");
        if (dialog.grab().save(file))
            ++saved;
    }
    QTextStream(stdout) << saved << " pictures of " << disc << " in " << language << " -> "
                        << output << '\n';
    return saved == 9 ? 0 : 1;
}
