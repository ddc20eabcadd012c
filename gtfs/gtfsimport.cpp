// Importing one line of a GTFS feed as a new route, and the list of lines to choose from.

#include "gtfsimport.h"

#include "gtfsfeed.h"
#include "gtfsline.h"
#include "gtfsstops.h"
#include "gtfstrips.h"
#include "routedata.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

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

} // namespace

bool listGtfsRoutes(const QString &feedPath, QList<GtfsRouteSummary> &routes, QString &error, GtfsRouteFilter filter)
{
    GtfsFeed feed;
    QString language;
    routes.clear();
    if (!openGtfsFeed(feedPath, GtfsImportOptions().language, feed, language, error)
        || !readGtfsRouteTable(feed, routes, error) || !countGtfsTrips(feed, routes, error))
        return false;
    if (filter == GtfsRouteFilter::WithTrips) {
        const auto withoutTrips = [](const GtfsRouteSummary &route) { return route.trips[0] + route.trips[1] == 0; };
        routes.erase(std::remove_if(routes.begin(), routes.end(), withoutTrips), routes.end());
    }
    sortGtfsRoutes(routes);
    return true;
}

bool importGtfsRoute(const QString &feedPath, const GtfsImportOptions &options, const QString &folder, RouteData &route,
                     QStringList &notes, QString &error)
{
    GtfsFeed feed;
    QString language;
    QList<GtfsRouteSummary> routes;
    if (!openGtfsFeed(feedPath, options.language, feed, language, error) || !readGtfsRouteTable(feed, routes, error))
        return false;
    const GtfsRouteSummary *summary = findRoute(routes, options.route);
    if (!summary) {
        error = QCoreApplication::translate("GtfsImport", "The feed has no route %1").arg(options.route);
        return false;
    }
    GtfsPatterns patterns;
    QHash<QByteArray, GtfsStop> stops;
    if (!readGtfsPatterns(feed, summary->id.toUtf8(), options, patterns, error))
        return false;
    if (!readGtfsStops(feed, patterns.first() + patterns.value(1), options.secondLanguage, stops, error))
        return false;
    // The route is touched only now, so that a feed that fails leaves it as it was.
    if (!route.createNew(folder)) {
        error = QCoreApplication::translate("GtfsImport",
                                            "A route can only be imported into an empty route with a folder");
        return false;
    }
    notes = feed.warnings();
    fillGtfsRoute(route, language, options, *summary, patterns, stops, notes);
    const QString languageNote = gtfsLanguageNote(language);
    if (!languageNote.isEmpty())
        notes.append(languageNote);
    return true;
}

GtfsImportResult importGtfsIntoFolder(const QString &feedPath, const GtfsImportOptions &options, const QString &folder,
                                      QStringList &notes, QString &error)
{
    const QDir target(folder);
    if (target.exists() && !target.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        error = QCoreApplication::translate("GtfsImport", "%1 is not empty; nothing was written").arg(folder);
        return GtfsImportResult::NotWritten;
    }
    RouteData route;
    if (!importGtfsRoute(feedPath, options, folder, route, notes, error))
        return GtfsImportResult::FeedRefused;
    if (!QDir().mkpath(folder) || !route.save()) {
        error = QCoreApplication::translate("GtfsImport", "Cannot write the route files into %1").arg(folder);
        return GtfsImportResult::NotWritten;
    }
    return GtfsImportResult::Imported;
}
