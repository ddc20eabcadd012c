#pragma once

#include "gtfsimport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A line of a feed as a depot import wrote it.
struct GtfsDepotRoute
{
    QString id;
    // The name riders know the line by, which also names its folder.
    QString name;
    // The route folder, in the depot.
    QString folder;
    // The stop names that the options had cleaned, a line each.
    QStringList notes;
};

// How far a depot import has got: the rows of stop_times.txt read, then the routes written.
struct GtfsDepotProgress
{
    qint64 rowsRead = 0;
    int routesWritten = 0;
    // 0 while the feed is being read.
    int routeCount = 0;
};

using GtfsDepotProgressHandler = std::function<void(const GtfsDepotProgress &)>;

// What a depot import did, or why it wrote nothing.
struct GtfsDepotImport
{
    // The routes written, in natural order of their names.
    QList<GtfsDepotRoute> routes;
    // What the user should know of the feed as a whole, a line each.
    QStringList notes;
    qint64 rowsRead = 0;
    QString error;
};

// The folder names for route names, in order: safe on the file systems that route folders are
// carried on to the vehicles (no folder separators, no characters Windows refuses, no trailing
// dots or blanks, no device names such as "CON"), and unique without regard to letter case, a
// name met again suffixed "_2", "_3" and so on.
QStringList depotFolderNames(const QStringList &routeNames);

// Imports every line of the feed that has trips into a folder of its own in depot, named by
// depotFolderNames, reading the feed once. Each folder holds what importGtfsIntoFolder writes
// for that line. depot may exist, but nothing is written when the feed is refused or when depot
// already holds one of the names (result.error names them); a folder that cannot be written
// ends the import, the routes written before it stay. progress, when given, hears how far the
// import has got.
GtfsImportResult importGtfsDepot(const QString &feedPath, const GtfsImportOptions &options, const QString &depot,
                                 GtfsDepotImport &result, const GtfsDepotProgressHandler &progress = {});
