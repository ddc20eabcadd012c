#pragma once

#include <QtGlobal>

// What a feed may hold before it is refused. Feeds are downloaded from the internet and are often
// damaged; these bounds keep the memory and time of an import in proportion to what a route can
// use, whatever the archive holds or claims to hold.
namespace GtfsLimits {

// Bytes of any one field of a table: ten names of the longest kind.
constexpr int fieldSize = 10000;
// Fields of one row; the tables of a feed have a few dozen columns at most.
constexpr int rowFields = 1000;
// Characters of a stop or route name, far more than a board or an announcement can use.
constexpr int nameLength = 1000;
// Stops of one trip, more than any vehicle serves; an import may be allowed more.
constexpr int tripStops = 1000;
// Deflate packs at most about 1032 bytes into one: a table that claims to unpack to more than
// this many times its packed size lies about its size.
constexpr qint64 deflateRatio = 1032;

} // namespace GtfsLimits
