// Renders the pictures of the README from the program itself, so that they never drift from
// what it shows: the main window on a copy of the example route at 1280 × 860, on the tabs a new
// user looks at first, and the route check's list. Run by "make screenshots".

#include "interfacelanguage.h"
#include "mainwindow.h"
#include "routeform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QString &file)
{
    QApplication::processEvents();
    if (widget->grab().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ROUTE_FOLDER\n", qPrintable(arguments.value(0)));
        return 2;
    }
    const QString output = arguments.at(1) + QLatin1Char('/');
    // The interface as a Russian desktop shows it, Qt's own buttons included.
    installTranslations(application, QLocale(QLocale::Russian, QLocale::Russia));

    // Settings of their own, so that the pictures show a first start and the user's settings
    // stay as they are.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Vektal"));
    QCoreApplication::setApplicationName(QStringLiteral("Marvolt"));

    MainWindow window;
    window.resize(1280, 860);
    window.show();
    window.openRouteFolder(arguments.at(2));
    auto *page = window.findChild<RouteForm *>();
    if (!page)
        return 1;
    auto *stops = page->findChild<QTreeView *>(QStringLiteral("stationList"));
    auto *routeTabs = page->findChild<QTabWidget *>(QStringLiteral("routeTabs"));
    auto *stationTabs = page->findChild<QTabWidget *>(QStringLiteral("stationTabs"));

    bool saved = save(&window, output + QStringLiteral("general.png"));
    routeTabs->setCurrentIndex(RouteForm::FrontTab);
    saved = save(&window, output + QStringLiteral("front-board.png")) && saved;
    // The second stop has its sound and text files.
    stops->setCurrentIndex(stops->model()->index(2, 0));
    stationTabs->setCurrentIndex(RouteForm::StopTab);
    saved = save(&window, output + QStringLiteral("stop.png")) && saved;
    stationTabs->setCurrentIndex(RouteForm::SoundTab);
    saved = save(&window, output + QStringLiteral("sound.png")) && saved;
    window.findChild<QAction *>(QStringLiteral("checkAction"))->trigger();
    auto *check = window.findChild<QDialog *>(QStringLiteral("RouteCheckDialog"));
    if (check)
        check->resize(960, check->height());
    saved = check && save(check, output + QStringLiteral("check.png")) && saved;
    return saved ? 0 : 1;
}
