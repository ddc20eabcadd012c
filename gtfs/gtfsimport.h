#pragma once

#include <QList>
#include <QString>

class RouteData;

// A route of a GTFS feed as a list to choose from shows it.
struct GtfsRouteSummary
{
    QString id;
    QString shortName;
    QString longName;
    int trips[2] = {0, 0}; // trips per direction_id 0 and 1
};

// Which line of a feed to import: route names a route_short_name or else a route_id; trip, when
// given, one trip of it whose stops are taken alone; language a translations.txt language code
// for the second language.
struct GtfsImportOptions
{
    QString route;
    QString trip;
    QString language;
};

// The routes of the feed at feedPath, in the order of routes.txt; false with error set when it cannot be read.
bool listGtfsRoutes(const QString &feedPath, QList<GtfsRouteSummary> &routes, QString &error);

// Fills route, an empty RouteData, with the line of the feed that options names, as a new route in
// folder (folder is only stored, nothing is written); false with error set (in English, naming the
// missing file, column, route or trip) when the feed cannot be read or names no such route.
bool importGtfsRoute(const QString &feedPath, const GtfsImportOptions &options, const QString &folder, RouteData &route,
                     QString &error);

// Imports the line that options names into folder, which must be empty or absent, and writes its
// route files there; nothing is written when anything fails (false, with error set).
bool importGtfsIntoFolder(const QString &feedPath, const GtfsImportOptions &options, const QString &folder,
                          QString &error);
