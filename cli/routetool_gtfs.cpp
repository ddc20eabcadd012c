// A route folder made from one line of a GTFS feed, or the list of the feed's lines.

#include "routetool.h"

#include "boardcheck.h"
#include "checkreport.h"
#include "editorini.h"
#include "folderargument.h"
#include "gtfsimport.h"
#include "gtfslimits.h"
#include "routedata.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QMap>

#include <limits>

QList<QCommandLineOption> RouteTool::importGtfsOptions()
{
    return {
        {QStringLiteral("route"), tr("The line: its route_short_name, or else its route_id."), QStringLiteral("NAME")},
        {QStringLiteral("trip"), tr("Take the stops of this one trip instead of the most frequent pattern."),
         QStringLiteral("ID")},
        {QStringLiteral("language"),
         tr("The language of the announcement words when the feed names none in feed_info.txt or agency.txt "
            "(default ru)."),
         QStringLiteral("CODE")},
        {QStringLiteral("second-language"), tr("The translations.txt language of the route's second language."),
         QStringLiteral("CODE")},
        {QStringLiteral("stop-word"), tr("The word in front of a stop's name in its announcement."),
         QStringLiteral("TEXT")},
        {QStringLiteral("next-word"), tr("The words in front of the next stop's name in its announcement."),
         QStringLiteral("TEXT")},
        {QStringLiteral("clean-names"),
         tr("Take parenthesised remarks out of the stop names and collapse blanks; the names changed are listed.")},
        {QStringLiteral("max-stops"),
         tr("The most stops a trip may have (default %1); a feed with a longer trip is refused.")
             .arg(GtfsLimits::tripStops),
         QStringLiteral("N")},
        {QStringLiteral("list"),
         tr("Print the routes of the feed that have trips, in natural order of their short names: id, short name, "
            "long name and the trips of each direction, separated by tabs.")},
        {QStringLiteral("all"),
         tr("Import every route that has trips, reading the feed once, into FOLDER/<short name>; FOLDER must not "
            "hold any of these folders yet. With --list: print the routes without trips as well.")},
    };
}

int RouteTool::importGtfs(const QCommandLineParser &parser)
{
    const QString name = QStringLiteral("import-gtfs");
    const QStringList arguments = parser.positionalArguments();
    const bool all = parser.isSet(QStringLiteral("all"));
    if (parser.isSet(QStringLiteral("list"))) {
        if (arguments.size() != 1)
            return usageError(tr("import-gtfs --list expects FEED only."), name);
        return listGtfs(arguments.at(0), all ? GtfsRouteFilter::All : GtfsRouteFilter::WithTrips);
    }
    if (all && (parser.isSet(QStringLiteral("route")) || parser.isSet(QStringLiteral("trip"))))
        return usageError(tr("import-gtfs --all imports every route: it takes no --route or --trip."), name);
    if (arguments.size() != 2 || !(all || parser.isSet(QStringLiteral("route"))))
        return usageError(tr("import-gtfs expects FEED, --route NAME and FOLDER."), name);
    GtfsImportOptions options;
    options.route = parser.value(QStringLiteral("route"));
    options.trip = parser.value(QStringLiteral("trip"));
    if (parser.isSet(QStringLiteral("language")))
        options.language = parser.value(QStringLiteral("language"));
    options.secondLanguage = parser.value(QStringLiteral("second-language"));
    options.stopWord = parser.value(QStringLiteral("stop-word"));
    options.nextWord = parser.value(QStringLiteral("next-word"));
    options.cleanNames = parser.isSet(QStringLiteral("clean-names"));
    if (!readInteger(parser, {QStringLiteral("max-stops"), 1, std::numeric_limits<int>::max(), &options.maxStops}))
        return usageError(tr("import-gtfs: --max-stops must be a whole number from 1 on."), name);
    const QString folder = folderArgument(arguments.at(1));
    if (all)
        return importDepot(arguments.at(0), options, folder);
    QStringList notes;
    QString error;
    switch (importGtfsIntoFolder(arguments.at(0), options, routePath(folder), notes, error)) {
    case GtfsImportResult::FeedRefused:
        return refuse(error + QLatin1Char('.'));
    case GtfsImportResult::NotWritten:
        return fail(error + QLatin1Char('.'));
    case GtfsImportResult::Imported:
        break;
    }
    for (const QString &note : notes)
        m_out.write((folder + QLatin1String(": ") + note + QLatin1Char('\n')).toUtf8());
    m_out.write(importCheckText(folder, finishImport(routePath(folder))));
    return Success;
}

// Gives a route just imported into path the editor.ini of a new route, and checks it: what the
// import could not settle, such as stops without positions, is said at once.
QList<RouteProblem> RouteTool::finishImport(const QString &path)
{
    EditorIni().write(path);
    RouteData route;
    route.load(path);
    return checkRouteAndBoards(route, EditorIni(), false);
}

// The check of a route just imported: a summary with the count of each problem, then a line for
// each board text too wide for its board, which the user has to give a shorter board form.
QByteArray RouteTool::importCheckText(const QString &folder, const QList<RouteProblem> &problems)
{
    QList<RouteProblem> tooWide;
    for (const RouteProblem &problem : problems) {
        if (problem.code == QLatin1String("too-wide"))
            tooWide.append(problem);
    }
    return importCheckCounts(folder, problems) + (tooWide.isEmpty() ? QByteArray() : checkReportText(folder, tooWide));
}

// A line with the count of each problem the check of an imported route found.
QByteArray RouteTool::importCheckCounts(const QString &folder, const QList<RouteProblem> &problems)
{
    if (problems.isEmpty())
        return checkReportText(folder, problems);
    QMap<QString, int> counts;
    for (const RouteProblem &problem : problems)
        ++counts[problem.code];
    QStringList parts;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count)
        parts.append(QStringLiteral("%1 %2").arg(count.value()).arg(count.key()));
    const QString summary = tr("%1: %n problem(s): %2; \"%3 check %1\" lists them", nullptr, problems.size())
                                .arg(folder, parts.join(QLatin1String(", ")), toolName);
    return (summary + QLatin1Char('\n')).toUtf8();
}

int RouteTool::listGtfs(const QString &feed, GtfsRouteFilter filter)
{
    QList<GtfsRouteSummary> routes;
    QString error;
    if (!listGtfsRoutes(feed, routes, error, filter))
        return refuse(error + QLatin1Char('.'));
    QByteArray text;
    for (const GtfsRouteSummary &route : routes) {
        text += QStringList{route.id, route.shortName, route.longName, QString::number(route.trips[0]),
                            QString::number(route.trips[1])}
                    .join(QLatin1Char('\t'))
                    .toUtf8()
            + '\n';
    }
    m_out.write(text);
    return Success;
}
