#pragma once

#include "gtfsstops.h"
#include "gtfstrips.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class GtfsFeed;
class RouteData;
struct GtfsImportOptions;
struct GtfsRouteSummary;

// The steps that make a line of a feed into a route, shared by the import of one line and that
// of a whole depot, so that both write a line alike.

// Opens the feed at path and settles the language of its texts: the feed's own, or else fallback.
bool openGtfsFeed(const QString &path, const QString &fallback, GtfsFeed &feed, QString &language, QString &error);

// The routes of routes.txt, in its order, without trips counted.
bool readGtfsRouteTable(GtfsFeed &feed, QList<GtfsRouteSummary> &routes, QString &error);

// Sorts routes by the names riders know them by, in natural order: "B2" before "B11".
void sortGtfsRoutes(QList<GtfsRouteSummary> &routes);

// The name riders know a route by: its short name, or else its id.
QString gtfsRouteName(const GtfsRouteSummary &route);

// The note that the announcement words of language are English ones, or nothing when the
// language has words of its own.
QString gtfsLanguageNote(const QString &language);

// Fills route, new from RouteData::createNew, with the line summary of the feed: the stops of
// patterns out of stops, the announcement words of language (or those of options), the route
// number and terminal stops on the boards. notes gets each stop name that options had cleaned.
void fillGtfsRoute(RouteData &route, const QString &language, const GtfsImportOptions &options,
                   const GtfsRouteSummary &summary, const GtfsPatterns &patterns,
                   const QHash<QByteArray, GtfsStop> &stops, QStringList &notes);
