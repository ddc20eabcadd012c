#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Folders named on the command line open as if chosen in the folder dialog, which only ever
// yields existing folders; anything else is reported and skipped.
QStringList routeFolders(const QStringList &arguments)
{
    QStringList folders;
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (info.isDir())
            folders.append(info.absoluteFilePath());
        else
            std::fprintf(stderr, "%s\n", qPrintable(QApplication::translate("main", "Не папка: %1").arg(argument)));
    }
    return folders;
}

} // namespace

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
    for (const QString &folder : routeFolders(parser.positionalArguments()))
        window.openRouteFolder(folder);
    return application.exec();
}
