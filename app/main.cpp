#include "interfacelanguage.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Vektal"));
    QCoreApplication::setApplicationName(QStringLiteral("Marvolt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARVOLT_VERSION));
    // Desktops match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.marvolt.Marvolt"));

    installTranslations(application);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Редактор маршрутов информационной системы транспорта"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folders"),
                                 QApplication::translate("main", "Папки маршрутов, каждая в своей вкладке"),
                                 QStringLiteral("[folder...]"));
    parser.process(application);

    MainWindow window;
    window.show();
    for (const QString &skipped : window.openRouteFolders(parser.positionalArguments()))
        std::fprintf(stderr, "%s\n", qPrintable(QApplication::translate("main", "Не папка: %1").arg(skipped)));
    return application.exec();
}
