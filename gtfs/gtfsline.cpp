// A line of a GTFS feed as a new route: the example content of a new folder with the feed's stops
// in place of the example stops and its route number and terminal stops on the outside boards.

#include "gtfsline.h"

#include "gtfsfeed.h"
#include "gtfsimport.h"
#include "gtfstable.h"
#include "routedata.h"
#include "routewords.h"

#include <QCollator>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

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
void setWords(RouteData &route, const QString &language, const GtfsImportOptions &options)
{
    RouteWords words;
    routeWordsFor(language, words);
    route.setStationWord(0, options.stopWord.isEmpty() ? words.stop : options.stopWord);
    route.setNextWord(0, options.nextWord.isEmpty() ? words.next : options.nextWord);
    route.setRouteText(0, words.routeText);
    route.setOutsideTempText(0, words.outsideTempText);
    route.setSalonTempText(0, words.salonTempText);
}

// The first pattern is the forward direction; a second one follows it as the return direction.
void fillStations(RouteData &route, const QString &number, const GtfsPatterns &patterns,
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

bool openGtfsFeed(const QString &path, const QString &fallback, GtfsFeed &feed, QString &language, QString &error)
{
    if (!feed.open(path, error) || !readFeedLanguage(feed, language, error))
        return false;
    if (language.isEmpty())
        language = fallback;
    feed.setLanguage(language);
    return true;
}

bool readGtfsRouteTable(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error)
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

void sortGtfsRoutes(QList<GtfsRouteSummary> &routes)
{
    // The C locale compares by code point alone; numeric mode needs a collating locale.
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    std::stable_sort(routes.begin(), routes.end(), [&](const GtfsRouteSummary &left, const GtfsRouteSummary &right) {
        return collator.compare(gtfsRouteName(left), gtfsRouteName(right)) < 0;
    });
}

QString gtfsRouteName(const GtfsRouteSummary &route)
{
    return route.shortName.isEmpty() ? route.id : route.shortName;
}

QString gtfsLanguageNote(const QString &language)
{
    RouteWords words;
    if (routeWordsFor(language, words))
        return QString();
    return QCoreApplication::translate("GtfsImport",
                                       "There are no announcement words for the language %1: the English ones are "
                                       "used")
        .arg(language);
}

void fillGtfsRoute(RouteData &route, const QString &language, const GtfsImportOptions &options,
                   const GtfsRouteSummary &summary, const GtfsPatterns &patterns,
                   const QHash<QByteArray, GtfsStop> &stops, QStringList &notes)
{
    const QList<QByteArray> stopIds = patterns.first() + patterns.value(1);
    QHash<QByteArray, GtfsStop> routeStops;
    for (const QByteArray &id : stopIds)
        routeStops.insert(id, stops.value(id));
    if (options.cleanNames)
        cleanStopNames(stopIds, routeStops, notes);
    setWords(route, language, options);
    fillStations(route, gtfsRouteName(summary), patterns, routeStops);
}
