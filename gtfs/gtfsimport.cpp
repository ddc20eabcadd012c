// A line of a GTFS feed as a new route: the example content of a new folder with the feed's stops
// in place of the example stops and its route number and terminal stops on the outside boards.

#include "gtfsimport.h"

#include "gtfsfeed.h"
#include "gtfsstops.h"
#include "gtfstable.h"
#include "gtfstrips.h"
#include "routedata.h"
#include "routewords.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

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
        if (!table.name(shortNameColumn, route.shortName) || !table.name(longNameColumn, route.longName))
            break;
        routes.append(route);
    }
    return table.finish(error);
}

// The language the feed says it is written in: feed_lang of feed_info.txt, or else the first
// agency_lang of agency.txt; empty when neither names one. "mul", several languages, names none.
bool readFeedLanguage(GtfsFeed &feed, QString &language, QString &error)
{
    const std::pair<const char *, const char *> sources[]
        = {{"feed_info.txt", "feed_lang"}, {"agency.txt", "agency_lang"}};
    for (const auto &[fileName, columnName] : sources) {
        if (!feed.hasFile(fileName))
            continue;
        GtfsTable table;
        if (!table.open(feed, fileName, error))
            return false;
        const int column = table.column(columnName);
        while (column >= 0 && language.isEmpty() && table.readRow()) {
            const QString code = table.text(column);
            if (primaryLanguage(code) != QLatin1String("mul"))
                language = code;
        }
        if (!table.finish(error))
            return false;
        if (!language.isEmpty())
            break;
    }
    return true;
}

// Opens the feed and settles the language of its texts: the feed's own, or else fallback.
bool openFeed(const QString &path, const QString &fallback, GtfsFeed &feed, QString &language, QString &error)
{
    if (!feed.open(path, error) || !readFeedLanguage(feed, language, error))
        return false;
    if (language.isEmpty())
        language = fallback;
    feed.setLanguage(language);
    return true;
}

void sortRoutes(QList<GtfsRouteSummary> &routes)
{
    // The C locale compares by code point alone; numeric mode needs a collating locale.
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    const auto shownName
        = [](const GtfsRouteSummary &route) { return route.shortName.isEmpty() ? route.id : route.shortName; };
    std::stable_sort(routes.begin(), routes.end(), [&](const GtfsRouteSummary &left, const GtfsRouteSummary &right) {
        return collator.compare(shownName(left), shownName(right)) < 0;
    });
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

// A name without its parenthesised remarks, nested ones too, and with single blanks; a name that
// is nothing but a remark stays as it is.
QString withoutRemarks(const QString &name)
{
    static const QRegularExpression remark(QStringLiteral("\\([^()]*\\)"));
    QString text = name;
    for (int length = -1; length != text.size();) {
        length = text.size();
        text.remove(remark);
    }
    text = text.simplified();
    return text.isEmpty() ? name : text;
}

// Stop names from feeds often carry remarks for the staff, "MACKENZIE LOOP (no G-A-R: use
// 300000)"; each name changed is noted once, in the order of the route.
void cleanStopNames(const QList<QByteArray> &stopIds, QHash<QByteArray, GtfsStop> &stops, QStringList &notes)
{
    QSet<QString> noted;
    for (const QByteArray &id : stopIds) {
        for (QString &name : stops[id].name) {
            const QString cleaned = withoutRemarks(name);
            if (cleaned == name)
                continue;
            if (!noted.contains(name))
                notes.append(
                    QCoreApplication::translate("GtfsImport", "Name cleaned: \"%1\" is now \"%2\"").arg(name, cleaned));
            noted.insert(name);
            name = cleaned;
        }
    }
}

// The first language speaks with the words of language, unless options give words of their own;
// the default interior texts follow it.
void setWords(RouteData &route, const QString &language, const GtfsImportOptions &options, QStringList &notes)
{
    RouteWords words;
    if (!routeWordsFor(language, words))
        notes.append(QCoreApplication::translate("GtfsImport",
                                                 "There are no announcement words for the language %1: the English "
                                                 "ones are used")
                         .arg(language));
    route.setStationWord(0, options.stopWord.isEmpty() ? words.stop : options.stopWord);
    route.setNextWord(0, options.nextWord.isEmpty() ? words.next : options.nextWord);
    route.setRouteText(0, words.routeText);
    route.setOutsideTempText(0, words.outsideTempText);
    route.setSalonTempText(0, words.salonTempText);
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

bool listGtfsRoutes(const QString &feedPath, QList<GtfsRouteSummary> &routes, QString &error, GtfsRouteFilter filter)
{
    GtfsFeed feed;
    QString language;
    routes.clear();
    if (!openFeed(feedPath, GtfsImportOptions().language, feed, language, error) || !readRoutes(feed, routes, error)
        || !countGtfsTrips(feed, routes, error))
        return false;
    if (filter == GtfsRouteFilter::WithTrips) {
        const auto withoutTrips = [](const GtfsRouteSummary &route) { return route.trips[0] + route.trips[1] == 0; };
        routes.erase(std::remove_if(routes.begin(), routes.end(), withoutTrips), routes.end());
    }
    sortRoutes(routes);
    return true;
}

bool importGtfsRoute(const QString &feedPath, const GtfsImportOptions &options, const QString &folder, RouteData &route,
                     QStringList &notes, QString &error)
{
    GtfsFeed feed;
    QString language;
    QList<GtfsRouteSummary> routes;
    if (!openFeed(feedPath, options.language, feed, language, error) || !readRoutes(feed, routes, error))
        return false;
    const GtfsRouteSummary *summary = findRoute(routes, options.route);
    if (!summary) {
        error = QCoreApplication::translate("GtfsImport", "The feed has no route %1").arg(options.route);
        return false;
    }
    QList<QList<QByteArray>> patterns;
    QHash<QByteArray, GtfsStop> stops;
    if (!readGtfsPatterns(feed, summary->id.toUtf8(), options, patterns, error))
        return false;
    const QList<QByteArray> stopIds = patterns.first() + patterns.value(1);
    if (!readGtfsStops(feed, stopIds, options.secondLanguage, stops, error))
        return false;
    // The route is touched only now, so that a feed that fails leaves it as it was.
    if (!route.createNew(folder)) {
        error = QCoreApplication::translate("GtfsImport",
                                            "A route can only be imported into an empty route with a folder");
        return false;
    }
    notes = feed.warnings();
    if (options.cleanNames)
        cleanStopNames(stopIds, stops, notes);
    setWords(route, language, options, notes);
    fillRoute(route, summary->shortName.isEmpty() ? summary->id : summary->shortName, patterns, stops);
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
