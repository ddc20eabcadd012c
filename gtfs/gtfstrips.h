#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class GtfsFeed;
struct GtfsImportOptions;
struct GtfsRouteSummary;

// The stop_ids a route serves in travel order, a list per direction: forward first.
using GtfsPatterns = QList<QList<QByteArray>>;

// Counts the trips of trips.txt per route and direction_id into routes; trips of routes not in
// the list are passed over. False with error set when trips.txt or its route_id is missing.
bool countGtfsTrips(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error);

// The stop_ids that the route routeId of feed serves: per direction_id the pattern most of its
// trips follow, a direction without trips left out; with options.trip the stops of that trip
// alone. Reads trips.txt and stop_times.txt; false with error set when they cannot be read or
// name no such trip, or the route has no trips.
bool readGtfsPatterns(GtfsFeed &feed, const QByteArray &routeId, const GtfsImportOptions &options,
                      GtfsPatterns &patterns, QString &error);

// Hears how many rows of stop_times.txt were read, now and then and at the end.
using GtfsRowsRead = std::function<void(qint64 rows)>;

// The patterns of every route of routes, as readGtfsPatterns finds them for one, with
// trips.txt and stop_times.txt read once for all: patterns gets a list per route, empty for a
// route without trips or stop times, and the routes' trips are counted. options.trip is not
// used. False with error set when the tables cannot be read.
bool readGtfsRoutePatterns(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, const GtfsImportOptions &options,
                           QList<GtfsPatterns> &patterns, QString &error, const GtfsRowsRead &rowsRead = {});
