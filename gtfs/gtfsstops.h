#pragma once

#include "station.h"

#include <QByteArray>
#include <QGeoCoordinate>
#include <QHash>
#include <QList>
#include <QString>

class GtfsFeed;

// A stop as a route takes it from a feed: its name as the feed gives it (0) and in the second
// language (1), and its position, invalid when the feed gives none.
struct GtfsStop
{
    TextPair name;
    QGeoCoordinate coordinate;
};

// The stops of stops.txt with the given stop_ids, a stop without a name taking its parent
// station's; with a language, their names in it from translations.txt when the feed has one.
// False with error set when a table or column is missing or stops.txt lacks one of the stops.
bool readGtfsStops(GtfsFeed &feed, const QList<QByteArray> &stopIds, const QString &language,
                   QHash<QByteArray, GtfsStop> &stops, QString &error);
