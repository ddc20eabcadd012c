#include "gtfstrips.h"

#include "gtfsimport.h"
#include "gtfstable.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// How often the reading of stop_times.txt is told, in rows.
const qint64 progressRows = 100000;

struct StopTime
{
    qint64 sequence;
    // The stop's number among the stop_ids met, which stand for it in the lists.
    int stop;
};

// A trip of the routes read, in the order of trips.txt.
struct Trip
{
    int route = 0;
    int direction = 0;
    // Where the trip's stop times are kept once its rows have ended; -1 while they come, or
    // when its rows come scattered through the table and it keeps its own list.
    int stored = -1;
    bool scattered = false;
};

// Lists of stop times, each distinct one kept once as bytes. The trips of a line follow a few
// patterns with the same stop_sequence numbers, so a timetable of millions of rows is held as a
// few thousand lists.
struct StopTimeStore
{
    static constexpr int entrySize = sizeof(qint64) + sizeof(int);

    QList<QByteArray> lists;
    QHash<QByteArray, int> indexes;

    int add(const std::vector<StopTime> &stopTimes)
    {
        QByteArray bytes(int(stopTimes.size()) * entrySize, Qt::Uninitialized);
        char *entry = bytes.data();
        for (const StopTime &stopTime : stopTimes) {
            std::memcpy(entry, &stopTime.sequence, sizeof(qint64));
            std::memcpy(entry + sizeof(qint64), &stopTime.stop, sizeof(int));
            entry += entrySize;
        }
        const auto found = indexes.constFind(bytes);
        if (found != indexes.constEnd())
            return *found;
        lists.append(bytes);
        indexes.insert(bytes, lists.size() - 1);
        return lists.size() - 1;
    }

    std::vector<StopTime> at(int index) const
    {
        const QByteArray &bytes = lists.at(index);
        std::vector<StopTime> stopTimes(size_t(bytes.size() / entrySize));
        const char *entry = bytes.constData();
        for (StopTime &stopTime : stopTimes) {
            std::memcpy(&stopTime.sequence, entry, sizeof(qint64));
            std::memcpy(&stopTime.stop, entry + sizeof(qint64), sizeof(int));
            entry += entrySize;
        }
        return stopTimes;
    }
};

std::string_view viewOf(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), size_t(bytes.size()));
}

// Ids numbered in the order they come, found by a view of a field without copying it: the keys
// view the ids that the list keeps.
struct IdTable
{
    QList<QByteArray> ids;
    std::unordered_map<std::string_view, int> numbers;

    // The number of id, or -1.
    int find(std::string_view id) const
    {
        const auto found = numbers.find(id);
        return found == numbers.end() ? -1 : found->second;
    }

    // Numbers id anew; of two ids alike, the later one is found.
    int add(std::string_view id)
    {
        ids.append(QByteArray(id.data(), int(id.size())));
        numbers[viewOf(ids.last())] = ids.size() - 1;
        return ids.size() - 1;
    }
};

// The trip_ids of the trips read, numbered in the order they come and found by a view of a field
// without copying it. A feed has far more trips than stops: their ids are kept back to back in one
// string and looked up by halving a list sorted by id, a few bytes a trip.
class TripIds
{
public:
    void add(std::string_view id)
    {
        m_spans.push_back({m_chars.size(), id.size()});
        m_chars.append(id);
    }

    // Call once all ids are added, before the first find.
    void sort()
    {
        m_chars.shrink_to_fit();
        m_sorted.reserve(m_spans.size());
        for (size_t trip = 0; trip < m_spans.size(); ++trip)
            m_sorted.push_back(
                {std::string_view(m_chars).substr(m_spans[trip].first, m_spans[trip].second), int(trip)});
        std::vector<std::pair<size_t, size_t>>().swap(m_spans);
        std::stable_sort(m_sorted.begin(), m_sorted.end(),
                         [](const Entry &left, const Entry &right) { return left.first < right.first; });
    }

    // The number of the trip with id, the later of two alike; -1 when there is none.
    int find(std::string_view id) const
    {
        const auto after = std::upper_bound(m_sorted.begin(), m_sorted.end(), id,
                                            [](std::string_view key, const Entry &entry) { return key < entry.first; });
        return after != m_sorted.begin() && std::prev(after)->first == id ? std::prev(after)->second : -1;
    }

private:
    using Entry = std::pair<std::string_view, int>;

    std::string m_chars;
    std::vector<std::pair<size_t, size_t>> m_spans;
    std::vector<Entry> m_sorted;
};

// The trips of the routes read, numbered as their trip_ids, with their stop times.
struct TripTable
{
    std::vector<Trip> trips;
    TripIds tripIds;
    IdTable stopIds;
    StopTimeStore store;
    // The stop times of the trips whose rows are being read, by trip number.
    std::unordered_map<int, std::vector<StopTime>> open;

    int stopNumber(std::string_view id)
    {
        const int number = stopIds.find(id);
        return number >= 0 ? number : stopIds.add(id);
    }

    // The list of trip to add a row to, which stays where it is until the trip is closed: a
    // trip met again after its rows had ended takes its list back and keeps it from then on.
    std::vector<StopTime> &listOf(int trip)
    {
        std::vector<StopTime> &stopTimes = open[trip];
        Trip &row = trips[size_t(trip)];
        if (row.stored >= 0) {
            stopTimes = store.at(row.stored);
            row.stored = -1;
            row.scattered = true;
        }
        return stopTimes;
    }

    // The rows of trip have ended, as far as the table's order tells.
    void close(int trip)
    {
        if (trip < 0 || trips[size_t(trip)].scattered)
            return;
        const auto found = open.find(trip);
        trips[size_t(trip)].stored = store.add(found->second);
        open.erase(found);
    }

    std::vector<StopTime> stopTimes(int trip) const
    {
        const int stored = trips[size_t(trip)].stored;
        if (stored >= 0)
            return store.at(stored);
        const auto found = open.find(trip);
        return found == open.end() ? std::vector<StopTime>() : found->second;
    }
};

// The one trip asked for, and which route it turned out to belong to.
struct WantedTrip
{
    QByteArray id;
    bool found = false;
    QByteArray route;
};

// Only "1" is the return direction; a feed without direction_id runs every trip forward.
int direction(const QByteArray &field)
{
    return field.trimmed() == "1" ? 1 : 0;
}

// Route indexes by route_id, filled from the back, so that a route_id listed twice counts its
// trips on its first row.
QHash<QByteArray, int> routeIndexes(const QList<GtfsRouteSummary> &routes)
{
    QHash<QByteArray, int> indexes;
    for (int index = routes.size() - 1; index >= 0; --index)
        indexes.insert(routes.at(index).id.toUtf8(), index);
    return indexes;
}

// Why a route read no trips: it has none, or the trip asked for is missing or another route's.
QString noTripsError(const GtfsImportOptions &options, const WantedTrip &wanted)
{
    if (wanted.id.isEmpty())
        return QCoreApplication::translate("GtfsImport", "Route %1 has no trips").arg(options.route);
    if (!wanted.found)
        return QCoreApplication::translate("GtfsImport", "The feed has no trip %1").arg(options.trip);
    return QCoreApplication::translate("GtfsImport", "Trip %1 belongs to route_id %2, not to route %3")
        .arg(options.trip, QString::fromUtf8(wanted.route), options.route);
}

// The trips of routes (of wanted.id alone, when it is set), counted into routes.
bool readTrips(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, WantedTrip &wanted, TripTable &trips, QString &error)
{
    GtfsTable table;
    int routeColumn = -1;
    int tripColumn = -1;
    if (!table.open(feed, "trips.txt", error)
        || !table.findColumns({{"route_id", &routeColumn}, {"trip_id", &tripColumn}}, error))
        return false;
    const int directionColumn = table.column("direction_id");
    const QHash<QByteArray, int> indexes = routeIndexes(routes);
    while (table.readRow()) {
        const std::string_view tripId = table.fieldView(tripColumn);
        if (!wanted.id.isEmpty() && tripId != viewOf(wanted.id))
            continue;
        wanted.found = true;
        wanted.route = table.field(routeColumn);
        const auto route = indexes.constFind(wanted.route);
        if (route == indexes.constEnd())
            continue;
        const int tripDirection = direction(table.field(directionColumn));
        ++routes[*route].trips[tripDirection];
        trips.tripIds.add(tripId);
        trips.trips.push_back({*route, tripDirection});
    }
    trips.tripIds.sort();
    return table.finish(error);
}

// A stop_sequence: a whole number, with blanks around it. Read in place, as it is read millions
// of times.
bool readSequence(std::string_view field, qint64 &sequence)
{
    const auto blank = [](char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    const char *end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, sequence);
    return !field.empty() && error == std::errc() && stop == end;
}

// Puts a stop time into the trip's list, which is kept in stop_sequence order: feeds mostly list
// a trip's stops in order, so the new one mostly goes to the end. A stop_sequence is unique
// within a trip, and a trip longer than maxStops is refused, so that a damaged table cannot
// make the list grow with its rows.
bool addStopTime(GtfsTable &table, std::string_view tripId, std::vector<StopTime> &stopTimes, StopTime stopTime,
                 int maxStops)
{
    const auto before = [](const StopTime &left, const StopTime &right) { return left.sequence < right.sequence; };
    const auto place = stopTimes.empty() || before(stopTimes.back(), stopTime)
        ? stopTimes.end()
        : std::lower_bound(stopTimes.begin(), stopTimes.end(), stopTime, before);
    if (place != stopTimes.end() && place->sequence == stopTime.sequence)
        return table.fail(QCoreApplication::translate("GtfsImport", "trip %1 has stop_sequence %2 twice")
                              .arg(QString::fromUtf8(tripId.data(), int(tripId.size())))
                              .arg(stopTime.sequence));
    if (int(stopTimes.size()) == maxStops)
        return table.fail(QCoreApplication::translate("GtfsImport", "trip %1 has more than %2 stops (see --max-stops)")
                              .arg(QString::fromUtf8(tripId.data(), int(tripId.size())))
                              .arg(maxStops));
    stopTimes.insert(place, stopTime);
    return true;
}

// stop_times.txt is by far the largest table: it is read once, and only the rows of the trips
// read are kept, each trip's in a list of its own while its rows come.
bool readStopTimes(GtfsFeed &feed, TripTable &trips, int maxStops, const GtfsRowsRead &rowsRead, QString &error)
{
    GtfsTable table;
    int tripColumn = -1;
    int stopColumn = -1;
    int sequenceColumn = -1;
    if (!table.open(feed, "stop_times.txt", error)
        || !table.findColumns({{"trip_id", &tripColumn}, {"stop_id", &stopColumn}, {"stop_sequence", &sequenceColumn}},
                              error))
        return false;
    qint64 rows = 0;
    int current = -1;
    std::vector<StopTime> *stopTimes = nullptr;
    // The rows of a trip mostly come together, so a trip_id is looked up only when it changes.
    std::string lastTripId;
    int trip = -1;
    while (table.readRow()) {
        if (++rows % progressRows == 0 && rowsRead)
            rowsRead(rows);
        const std::string_view tripId = table.fieldView(tripColumn);
        if (rows == 1 || tripId != lastTripId) {
            lastTripId.assign(tripId);
            trip = trips.tripIds.find(tripId);
        }
        if (trip < 0)
            continue;
        qint64 sequence = 0;
        if (!readSequence(table.fieldView(sequenceColumn), sequence)) {
            table.fail(QCoreApplication::translate("GtfsImport", "stop_sequence \"%1\" is no number")
                           .arg(QString::fromUtf8(table.field(sequenceColumn))),
                       sequenceColumn);
            break;
        }
        if (trip != current) {
            trips.close(current);
            current = trip;
            stopTimes = &trips.listOf(current);
        }
        const int stop = trips.stopNumber(table.fieldView(stopColumn));
        if (!addStopTime(table, tripId, *stopTimes, {sequence, stop}, maxStops))
            break;
    }
    trips.close(current);
    if (rowsRead)
        rowsRead(rows);
    return table.finish(error);
}

// The stops of a trip as bytes, four to a stop number: the key its pattern is counted by.
QByteArray patternKey(const std::vector<StopTime> &stopTimes)
{
    QByteArray key(int(stopTimes.size() * sizeof(int)), Qt::Uninitialized);
    for (size_t index = 0; index < stopTimes.size(); ++index)
        std::memcpy(key.data() + index * sizeof(int), &stopTimes[index].stop, sizeof(int));
    return key;
}

QList<QByteArray> patternStopIds(const QByteArray &key, const QList<QByteArray> &stopIds)
{
    QList<QByteArray> ids;
    for (int offset = 0; offset < key.size(); offset += int(sizeof(int))) {
        int stop = 0;
        std::memcpy(&stop, key.constData() + offset, sizeof(int));
        ids.append(stopIds.at(stop));
    }
    return ids;
}

// The patterns of one direction of a route: the trips of each, and the order of its first trip.
struct PatternCount
{
    int first = 0;
    int trips = 0;
};

// The pattern most trips follow; a tie goes to the pattern met first.
QByteArray mostFrequent(const QHash<QByteArray, PatternCount> &patterns)
{
    QByteArray chosen;
    PatternCount best;
    for (auto pattern = patterns.cbegin(); pattern != patterns.cend(); ++pattern) {
        const PatternCount &count = pattern.value();
        if (chosen.isNull() || count.trips > best.trips || (count.trips == best.trips && count.first < best.first)) {
            chosen = pattern.key();
            best = count;
        }
    }
    return chosen;
}

// Per route, the most frequent pattern of each direction that has trips with stop times.
QList<GtfsPatterns> routePatterns(const TripTable &trips, int routeCount)
{
    using DirectionCounts = std::array<QHash<QByteArray, PatternCount>, 2>;
    std::vector<DirectionCounts> counts(static_cast<size_t>(routeCount));
    for (int index = 0; index < int(trips.trips.size()); ++index) {
        const std::vector<StopTime> stopTimes = trips.stopTimes(index);
        if (stopTimes.empty())
            continue;
        const Trip &trip = trips.trips[size_t(index)];
        PatternCount &count = counts[size_t(trip.route)][size_t(trip.direction)][patternKey(stopTimes)];
        if (count.trips++ == 0)
            count.first = index;
    }
    QList<GtfsPatterns> patterns;
    for (const auto &directions : counts) {
        GtfsPatterns route;
        for (const auto &direction : directions) {
            if (!direction.isEmpty())
                route.append(patternStopIds(mostFrequent(direction), trips.stopIds.ids));
        }
        patterns.append(route);
    }
    return patterns;
}

} // namespace

bool countGtfsTrips(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error)
{
    WantedTrip everyTrip;
    TripTable trips;
    return readTrips(feed, routes, everyTrip, trips, error);
}

bool readGtfsPatterns(GtfsFeed &feed, const QByteArray &routeId, const GtfsImportOptions &options,
                      GtfsPatterns &patterns, QString &error)
{
    QList<GtfsRouteSummary> routes{{QString::fromUtf8(routeId), QString(), QString(), {0, 0}}};
    WantedTrip wanted;
    wanted.id = options.trip.toUtf8();
    TripTable trips;
    if (!readTrips(feed, routes, wanted, trips, error))
        return false;
    if (trips.trips.empty()) {
        error = noTripsError(options, wanted);
        return false;
    }
    if (!readStopTimes(feed, trips, options.maxStops, {}, error))
        return false;
    patterns = routePatterns(trips, 1).first();
    if (patterns.isEmpty()) {
        error
            = QCoreApplication::translate("GtfsImport", "The trips of route %1 have no stop times").arg(options.route);
        return false;
    }
    return true;
}

bool readGtfsRoutePatterns(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, const GtfsImportOptions &options,
                           QList<GtfsPatterns> &patterns, QString &error, const GtfsRowsRead &rowsRead)
{
    WantedTrip everyTrip;
    TripTable trips;
    if (!readTrips(feed, routes, everyTrip, trips, error)
        || !readStopTimes(feed, trips, options.maxStops, rowsRead, error))
        return false;
    patterns = routePatterns(trips, routes.size());
    return true;
}
