#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Vektal"));
    QCoreApplication::setApplicationName(QStringLiteral("Marvolt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARVOLT_VERSION));

    QTranslator qtTranslator;
    qtTranslator.load(QLatin1String("qt_") + QLocale::system().name(), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    application.installTranslator(&qtTranslator);

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "Редактор маршрутов информационной системы транспорта"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folders"), QApplication::translate("main", "Папки маршрутов, каждая в своей вкладке"),
                                 QStringLiteral("[folder...]"));
    parser.process(application);

    MainWindow window;
    window.show();
    for (const QString &skipped : window.openRouteFolders(parser.positionalArguments()))
        std::fprintf(stderr, "%s\n", qPrintable(QApplication::translate("main", "Не папка: %1").arg(skipped)));
    return application.exec();
}
