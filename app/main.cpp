#include "interfacelanguage.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

enum ExitCode { Success = 0, UsageError = 2 };

// The options Qt's own application objects take out of the command line for themselves. They
// are known here, hidden from the help, because the command line is read before the window's
// application object exists.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"})
        options.append(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        options.append(QCommandLineOption(QLatin1String(name)));
    for (QCommandLineOption &option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Reads the command line into parser. Help, the version and wrong options are answered here,
// without a window, so that they work where there is no display; returns -1 when the editor
// is to start, or else the exit code.
int readCommandLine(int &argc, char *argv[], QCommandLineParser &parser)
{
    QCoreApplication application(argc, argv);
    installTranslations(application);
    parser.setApplicationDescription(
        QApplication::translate("main", "Редактор маршрутов информационной системы транспорта"));
    // Qt's options are single-dash words, such as "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions(qtOptions());
    parser.addPositionalArgument(QStringLiteral("folders"),
                                 QApplication::translate("main", "Папки маршрутов, каждая в своей вкладке"),
                                 QStringLiteral("[folder...]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + QLatin1String("\n\n") + parser.helpText());
        return UsageError;
    }
    // "--help-all" is Qt's, for its own options, which are hidden here as the window handles them.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return Success;
    }
    if (parser.isSet(version)) {
        print(stdout,
              QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                  + QLatin1Char('\n'));
        return Success;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Vektal"));
    QCoreApplication::setApplicationName(QStringLiteral("Marvolt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARVOLT_VERSION));

    QCommandLineParser parser;
    const int exitCode = readCommandLine(argc, argv, parser);
    if (exitCode >= 0)
        return exitCode;

    QApplication application(argc, argv);
    // Desktops match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.marvolt.Marvolt"));
    installTranslations(application);

    MainWindow window;
    window.show();
    for (const QString &skipped : window.openRouteFolders(parser.positionalArguments()))
        std::fprintf(stderr, "%s\n", qPrintable(QApplication::translate("main", "Не папка: %1").arg(skipped)));
    return application.exec();
}
