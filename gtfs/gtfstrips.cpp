#include "gtfstrips.h"

#include "gtfsimport.h"
#include "gtfstable.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <vector>

namespace {

struct StopTime
{
    qint64 sequence;
    QByteArray stopId;
};

struct Trip
{
    int direction = 0;
    std::vector<StopTime> stopTimes;
};

// The trips of the route in the order of trips.txt, found by their trip_id.
struct RouteTrips
{
    std::vector<Trip> trips;
    QHash<QByteArray, int> indexes;
};

struct Pattern
{
    QList<QByteArray> stopIds;
    int trips = 0;
};

// Only "1" is the return direction; a feed without direction_id runs every trip forward.
int direction(const QByteArray &field)
{
    return field.trimmed() == "1" ? 1 : 0;
}

// Why a route read no trips: it has none, or the trip asked for is missing or another route's.
QString noTripsError(const GtfsImportOptions &options, bool tripFound, const QByteArray &tripRoute)
{
    if (options.trip.isEmpty())
        return QCoreApplication::translate("GtfsImport", "Route %1 has no trips").arg(options.route);
    if (!tripFound)
        return QCoreApplication::translate("GtfsImport", "The feed has no trip %1").arg(options.trip);
    return QCoreApplication::translate("GtfsImport", "Trip %1 belongs to route_id %2, not to route %3")
        .arg(options.trip, QString::fromUtf8(tripRoute), options.route);
}

bool readTrips(GtfsFeed &feed, const QByteArray &routeId, const GtfsImportOptions &options, RouteTrips &route,
               QString &error)
{
    GtfsTable table;
    int routeColumn = -1;
    int tripColumn = -1;
    if (!table.open(feed, "trips.txt", error)
        || !table.findColumns({{"route_id", &routeColumn}, {"trip_id", &tripColumn}}, error))
        return false;
    const int directionColumn = table.column("direction_id");
    const QByteArray wantedTrip = options.trip.toUtf8();
    bool tripFound = false;
    QByteArray tripRoute;
    while (table.readRow()) {
        const QByteArray tripId = table.field(tripColumn);
        if (!wantedTrip.isEmpty() && tripId != wantedTrip)
            continue;
        tripFound = true;
        tripRoute = table.field(routeColumn);
        if (tripRoute != routeId)
            continue;
        route.indexes.insert(tripId, int(route.trips.size()));
        route.trips.push_back({direction(table.field(directionColumn)), {}});
    }
    if (!table.finish(error))
        return false;
    if (route.trips.empty())
        error = noTripsError(options, tripFound, tripRoute);
    return !route.trips.empty();
}

// Puts a stop time into the trip's list, which is kept in stop_sequence order: feeds mostly list
// a trip's stops in order, so the new one mostly goes to the end. A stop_sequence is unique
// within a trip, and a trip longer than maxStops is refused, so that a damaged table cannot
// make the list grow with its rows.
bool addStopTime(GtfsTable &table, const QByteArray &tripId, Trip &trip, StopTime stopTime, int maxStops)
{
    auto &stopTimes = trip.stopTimes;
    const auto before = [](const StopTime &left, const StopTime &right) { return left.sequence < right.sequence; };
    const auto place = stopTimes.empty() || before(stopTimes.back(), stopTime)
        ? stopTimes.end()
        : std::lower_bound(stopTimes.begin(), stopTimes.end(), stopTime, before);
    if (place != stopTimes.end() && place->sequence == stopTime.sequence)
        return table.fail(QCoreApplication::translate("GtfsImport", "trip %1 has stop_sequence %2 twice")
                              .arg(QString::fromUtf8(tripId))
                              .arg(stopTime.sequence));
    if (int(stopTimes.size()) == maxStops)
        return table.fail(QCoreApplication::translate("GtfsImport", "trip %1 has more than %2 stops (see --max-stops)")
                              .arg(QString::fromUtf8(tripId))
                              .arg(maxStops));
    stopTimes.insert(place, std::move(stopTime));
    return true;
}

// stop_times.txt is by far the largest table: it is read once, and only the rows of the route's
// own trips are kept.
bool readStopTimes(GtfsFeed &feed, RouteTrips &route, int maxStops, QString &error)
{
    GtfsTable table;
    int tripColumn = -1;
    int stopColumn = -1;
    int sequenceColumn = -1;
    if (!table.open(feed, "stop_times.txt", error)
        || !table.findColumns({{"trip_id", &tripColumn}, {"stop_id", &stopColumn}, {"stop_sequence", &sequenceColumn}},
                              error))
        return false;
    while (table.readRow()) {
        const QByteArray tripId = table.field(tripColumn);
        const auto index = route.indexes.constFind(tripId);
        if (index == route.indexes.constEnd())
            continue;
        bool ok = false;
        const qint64 sequence = table.field(sequenceColumn).trimmed().toLongLong(&ok);
        if (!ok) {
            table.fail(QCoreApplication::translate("GtfsImport", "stop_sequence \"%1\" is no number")
                           .arg(QString::fromUtf8(table.field(sequenceColumn))),
                       sequenceColumn);
            break;
        }
        if (!addStopTime(table, tripId, route.trips[*index], {sequence, table.field(stopColumn)}, maxStops))
            break;
    }
    return table.finish(error);
}

// The stop_ids of a trip, in stop_sequence order.
QList<QByteArray> tripStopIds(const Trip &trip)
{
    QList<QByteArray> stopIds;
    stopIds.reserve(int(trip.stopTimes.size()));
    for (const StopTime &stopTime : trip.stopTimes)
        stopIds.append(stopTime.stopId);
    return stopIds;
}

// The patterns are kept in the order of their first trip, and only a larger count replaces the
// one chosen, so a tie goes to the pattern met first.
QList<QByteArray> mostFrequentPattern(const std::vector<Trip> &trips, int direction)
{
    std::vector<Pattern> patterns;
    QHash<QList<QByteArray>, int> indexes;
    for (const Trip &trip : trips) {
        if (trip.direction != direction || trip.stopTimes.empty())
            continue;
        const QList<QByteArray> stopIds = tripStopIds(trip);
        const auto found = indexes.constFind(stopIds);
        if (found == indexes.constEnd()) {
            indexes.insert(stopIds, int(patterns.size()));
            patterns.push_back({stopIds, 1});
        } else {
            ++patterns[*found].trips;
        }
    }
    const Pattern *chosen = nullptr;
    for (const Pattern &pattern : patterns) {
        if (!chosen || pattern.trips > chosen->trips)
            chosen = &pattern;
    }
    return chosen ? chosen->stopIds : QList<QByteArray>();
}

} // namespace

bool countGtfsTrips(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error)
{
    // Filled from the back, so that a route_id listed twice counts its trips on its first row.
    QHash<QString, int> indexes;
    for (int index = routes.size() - 1; index >= 0; --index)
        indexes.insert(routes.at(index).id, index);
    GtfsTable table;
    int routeColumn = -1;
    if (!table.open(feed, "trips.txt", error) || !table.findColumns({{"route_id", &routeColumn}}, error))
        return false;
    const int directionColumn = table.column("direction_id");
    while (table.readRow()) {
        const auto index = indexes.constFind(QString::fromUtf8(table.field(routeColumn)));
        if (index != indexes.constEnd())
            ++routes[*index].trips[direction(table.field(directionColumn))];
    }
    return table.finish(error);
}

bool readGtfsPatterns(GtfsFeed &feed, const QByteArray &routeId, const GtfsImportOptions &options,
                      QList<QList<QByteArray>> &patterns, QString &error)
{
    RouteTrips route;
    if (!readTrips(feed, routeId, options, route, error) || !readStopTimes(feed, route, options.maxStops, error))
        return false;
    patterns.clear();
    for (int direction : {0, 1}) {
        const QList<QByteArray> stopIds = mostFrequentPattern(route.trips, direction);
        if (!stopIds.isEmpty())
            patterns.append(stopIds);
    }
    if (patterns.isEmpty()) {
        error
            = QCoreApplication::translate("GtfsImport", "The trips of route %1 have no stop times").arg(options.route);
        return false;
    }
    return true;
}
