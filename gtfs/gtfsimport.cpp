// A line of a GTFS feed as a new route: the example content of a new folder with the feed's stops
// in place of the example stops and its route number and terminal stops on the outside boards.

#include "gtfsimport.h"

#include "gtfsfeed.h"
#include "gtfsstops.h"
#include "gtfstrips.h"
#include "routedata.h"

#include <QCoreApplication>
#include <QDir>

namespace {

bool readRoutes(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error)
{
    GtfsTable table;
    int idColumn = -1;
    if (!table.open(feed, "routes.txt", error) || !table.findColumns({{"route_id", &idColumn}}, error))
        return false;
    const int shortNameColumn = table.column("route_short_name");
    const int longNameColumn = table.column("route_long_name");
    while (table.readRow()) {
        GtfsRouteSummary route;
        route.id = QString::fromUtf8(table.field(idColumn));
        route.shortName = table.text(shortNameColumn);
        route.longName = table.text(longNameColumn);
        routes.append(route);
    }
    return table.finish(error);
}

// Riders know a line by its short name, so that is looked for first, in all routes, before the id.
const GtfsRouteSummary *findRoute(const QList<GtfsRouteSummary> &routes, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (const GtfsRouteSummary &route : routes) {
        if (route.shortName == name)
            return &route;
    }
    for (const GtfsRouteSummary &route : routes) {
        if (route.id == name)
            return &route;
    }
    return nullptr;
}

QList<GtfsStop> directionStops(const QList<QByteArray> &stopIds, const QHash<QByteArray, GtfsStop> &stops)
{
    QList<GtfsStop> direction;
    for (const QByteArray &id : stopIds)
        direction.append(stops.value(id));
    return direction;
}

// The stop announcement of a name: "Остановка Центральный рынок.". A language without a stop word,
// as the second is in a new route, announces the bare name.
QString announcement(const RouteData &route, int language, const QString &name)
{
    const QString word = route.stationWord(language);
    if (word.isEmpty() || name.isEmpty())
        return name;
    return word + QLatin1Char(' ') + name + QLatin1Char('.');
}

void addDirection(RouteData &route, const QList<GtfsStop> &stops)
{
    for (int index = 0; index < stops.size(); ++index) {
        auto *station = new Station;
        const bool last = index + 1 == stops.size();
        for (int language = 0; language < 2; ++language) {
            const QString name = stops.at(index).name[language];
            station->name[language] = announcement(route, language, name);
            station->sideName[language] = name;
            // ost.txt carries a next-stop text only beside a stop text of its language.
            if (!last && !name.isEmpty()) {
                const QString next = announcement(route, language, stops.at(index + 1).name[language]);
                station->nextName[language] = route.toNextText(language, next);
            }
        }
        station->coordinate = stops.at(index).coordinate;
        route.insertStation(route.stationCount(), station);
    }
}

void setBoards(RouteData &route, const QString &number, const QList<GtfsStop> &forward)
{
    route.setFrontNumber(number);
    route.setSideNumber(number);
    route.setBackNumber(number);
    for (int language = 0; language < 2; ++language) {
        const QString start = forward.first().name[language];
        const QString destination = forward.last().name[language];
        route.setFrontStartingPoint(language, start);
        route.setSideStartingPoint(language, start);
        route.setBackStartingPoint(language, start);
        route.setFrontDestination(language, destination);
        route.setSideDestination(language, destination);
        route.setBackDestination(language, destination);
    }
}

// The first pattern is the forward direction; a second one follows it as the return direction.
void fillRoute(RouteData &route, const QString &number, const QList<QList<QByteArray>> &patterns,
               const QHash<QByteArray, GtfsStop> &stops)
{
    while (route.stationCount() > 0)
        route.removeStation(route.stationCount() - 1);
    const QList<GtfsStop> forward = directionStops(patterns.first(), stops);
    addDirection(route, forward);
    route.setBackStationIndex(route.stationCount());
    if (patterns.size() > 1)
        addDirection(route, directionStops(patterns.at(1), stops));
    setBoards(route, number, forward);
}

} // namespace

bool listGtfsRoutes(const QString &feedPath, QList<GtfsRouteSummary> &routes, QString &error)
{
    GtfsFeed feed;
    routes.clear();
    return feed.open(feedPath, error) && readRoutes(feed, routes, error) && countGtfsTrips(feed, routes, error);
}

bool importGtfsRoute(const QString &feedPath, const GtfsImportOptions &options, const QString &folder, RouteData &route,
                     QString &error)
{
    GtfsFeed feed;
    QList<GtfsRouteSummary> routes;
    if (!feed.open(feedPath, error) || !readRoutes(feed, routes, error))
        return false;
    const GtfsRouteSummary *summary = findRoute(routes, options.route);
    if (!summary) {
        error = QCoreApplication::translate("GtfsImport", "The feed has no route %1").arg(options.route);
        return false;
    }
    QList<QList<QByteArray>> patterns;
    QHash<QByteArray, GtfsStop> stops;
    if (!readGtfsPatterns(feed, summary->id.toUtf8(), options, patterns, error)
        || !readGtfsStops(feed, patterns.first() + patterns.value(1), options.language, stops, error))
        return false;
    // The route is touched only now, so that a feed that fails leaves it as it was.
    if (!route.createNew(folder)) {
        error = QCoreApplication::translate("GtfsImport",
                                            "A route can only be imported into an empty route with a folder");
        return false;
    }
    fillRoute(route, summary->shortName.isEmpty() ? summary->id : summary->shortName, patterns, stops);
    return true;
}

bool importGtfsIntoFolder(const QString &feedPath, const GtfsImportOptions &options, const QString &folder,
                          QString &error)
{
    const QDir target(folder);
    if (target.exists() && !target.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        error = QCoreApplication::translate("GtfsImport", "%1 is not empty; nothing was written").arg(folder);
        return false;
    }
    RouteData route;
    if (!importGtfsRoute(feedPath, options, folder, route, error))
        return false;
    if (!QDir().mkpath(folder) || !route.save()) {
        error = QCoreApplication::translate("GtfsImport", "Cannot write the route files into %1").arg(folder);
        return false;
    }
    return true;
}
