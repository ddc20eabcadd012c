#pragma once

#include "gtfslimits.h"

#include <QList>
#include <QString>
#include <QStringList>

class RouteData;

// A route of a GTFS feed as a list to choose from shows it.
struct GtfsRouteSummary
{
    QString id;
    QString shortName;
    QString longName;
    int trips[2] = {0, 0}; // trips per direction_id 0 and 1
};

// Which routes a list of a feed's routes holds.
enum class GtfsRouteFilter { WithTrips, All };

// Which line of a feed to import, and how.
struct GtfsImportOptions
{
    // The line: its route_short_name, or else its route_id.
    QString route;
    // One trip of the line whose stops are taken alone; empty for the most frequent pattern.
    QString trip;
    // The language of the announcement words when the feed names none.
    QString language = QStringLiteral("ru");
    // The translations.txt language of the route's second language; empty for none.
    QString secondLanguage;
    // The stop and next-stop words in place of those of the language, where not empty.
    QString stopWord;
    QString nextWord;
    // Whether parenthesised remarks are taken out of the stop names.
    bool cleanNames = false;
    // The most stops a trip may have.
    int maxStops = GtfsLimits::tripStops;
};

// How an import into a folder ended: the feed was refused, or the route could not be written.
enum class GtfsImportResult { Imported, FeedRefused, NotWritten };

// The routes of the feed at feedPath that filter lets through, sorted by short name (or id) in
// natural order, "B2" before "B11"; false with error set when it cannot be read.
bool listGtfsRoutes(const QString &feedPath, QList<GtfsRouteSummary> &routes, QString &error,
                    GtfsRouteFilter filter = GtfsRouteFilter::WithTrips);

// Fills route, an empty RouteData, with the line of the feed that options names, as a new route in
// folder (folder is only stored, nothing is written), with announcement words in the feed's
// language; notes gets what the user should know of the feed and of what was changed in it, a
// line each. False with error set (in English, naming the missing file, column, route or trip, or
// the table, line and column at fault) when the feed cannot be read, is refused, or names no such
// route.
bool importGtfsRoute(const QString &feedPath, const GtfsImportOptions &options, const QString &folder, RouteData &route,
                     QStringList &notes, QString &error);

// Imports the line that options names into folder, which must be empty or absent, and writes its
// route files there; nothing is written when the feed is refused or the folder not empty.
GtfsImportResult importGtfsIntoFolder(const QString &feedPath, const GtfsImportOptions &options, const QString &folder,
                                      QStringList &notes, QString &error);
