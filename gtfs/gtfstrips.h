#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class GtfsFeed;
struct GtfsImportOptions;
struct GtfsRouteSummary;

// Counts the trips of trips.txt per route and direction_id into routes; trips of routes not in
// the list are passed over. False with error set when trips.txt or its route_id is missing.
bool countGtfsTrips(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error);

// The stop_ids that the route routeId of feed serves, in travel order: per direction_id the
// pattern most of its trips follow, forward first, a direction without trips left out; with
// options.trip the stops of that trip alone. Reads trips.txt and stop_times.txt; false with
// error set when they cannot be read or name no such trip, or the route has no trips.
bool readGtfsPatterns(GtfsFeed &feed, const QByteArray &routeId, const GtfsImportOptions &options,
                      QList<QList<QByteArray>> &patterns, QString &error);
