#pragma once

#include "checkreport.h"
#include "gtfsdepot.h"
#include "gtfsimport.h"
#include "station.h"
#include "voicedraft.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class RouteData;
class QIODevice;

// The subcommands of marvolt-route. Each is one entry of a table: name, summary, positional
// arguments, options and the member function that runs it, so a new subcommand is a new entry
// and a new function; parsing, help and usage errors are shared.
class RouteTool
{
    Q_DECLARE_TR_FUNCTIONS(RouteTool)

public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    // Results go to out; messages, one line each, to err.
    RouteTool(QIODevice &out, QIODevice &err);

    // Runs the subcommand named in arguments (the program name first) and returns the exit
    // code: Success, Failure when the route could not be read or written, or UsageError.
    int run(const QStringList &arguments);

private:
    struct Argument
    {
        QString name;
        QString description;
    };

    struct Command
    {
        QString name;
        QString summary;
        QList<Argument> arguments;
        QList<QCommandLineOption> options;
        int (RouteTool::*run)(const QCommandLineParser &parser);
        // The last argument may be given more than once.
        bool repeatsLastArgument = false;
        // The last argument may be left out; the command then tells whether it may.
        bool lastArgumentOptional = false;
    };

    inline static const QString toolName = QStringLiteral("marvolt-route");

    struct IntegerOption
    {
        QString name;
        int minimum;
        int maximum;
        int *value;
    };
    // An absent option keeps its default; false when the value is no whole number in range.
    static bool readInteger(const QCommandLineParser &parser, const IntegerOption &option);
    // The first positional argument, the route folder, as folderArgument() gives it.
    static QString folderOf(const QCommandLineParser &parser);

    static QList<Command> commands();
    int runCommand(const Command &command, const QStringList &arguments);
    int dump(const QCommandLineParser &parser);
    int resave(const QCommandLineParser &parser);
    int createRoute(const QCommandLineParser &parser);
    struct RenderSettings;
    int render(const QCommandLineParser &parser);
    int renderBoard(const QCommandLineParser &parser, const RenderSettings &settings);
    static QList<QCommandLineOption> renderOptions();
    int measure(const QCommandLineParser &parser);
    static QList<QCommandLineOption> measureOptions();
    int check(const QCommandLineParser &parser);
    FolderCheck checkFolder(const QString &folder);
    static QList<QCommandLineOption> checkOptions();
    // The import of a GTFS feed, in routetool_gtfs.cpp.
    int importGtfs(const QCommandLineParser &parser);
    static QList<QCommandLineOption> importGtfsOptions();
    int listGtfs(const QString &feed, GtfsRouteFilter filter);
    // The voice drafts, in routetool_voice.cpp.
    int speak(const QCommandLineParser &parser);
    static QList<QCommandLineOption> speakOptions();
    bool chooseVoices(const QCommandLineParser &parser, const RouteData &route, VoiceDraftRequest &request);
    int speakDrafts(const QString &folder, RouteData &route, const VoiceDraftRequest &request, int rate, bool dryRun);
    static QList<RouteProblem> finishImport(const QString &path);
    static QByteArray importCheckText(const QString &folder, const QList<RouteProblem> &problems);
    static QByteArray importCheckCounts(const QString &folder, const QList<RouteProblem> &problems);

    // The depot commands, in routetool_depot.cpp.
    int importDepot(const QString &feed, const GtfsImportOptions &options, const QString &depot);
    void showDepotProgress(const GtfsDepotProgress &progress);
    bool showsProgress() const;
    int diff(const QCommandLineParser &parser);
    static QList<QCommandLineOption> diffOptions();
    int renameStop(const QCommandLineParser &parser);
    static QList<QCommandLineOption> renameStopOptions();
    int renameStopIn(const QString &folder, const TextPair &from, const TextPair &to, bool dryRun);
    // Reads the route of folder; false, said on stderr, when it cannot be read.
    bool loadRoute(RouteData &route, const QString &folder);

    static QString argumentNames(const Command &command);
    static QString toolHelp();
    static QString commandHelp(const Command &command);
    // Reports a wrong command line, pointing at the help of the command when one is named.
    int usageError(const QString &message, const QString &commandName = QString());
    int fail(const QString &message);
    int refuse(const QString &message);
    // Why route, loaded from folder, could not be read, and the failure to return for it.
    static QString readError(const RouteData &route, const QString &folder);
    int failToRead(const RouteData &route, const QString &folder);

    QIODevice &m_out;
    QIODevice &m_err;
};
