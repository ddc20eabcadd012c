#pragma once

#include "routedata.h"

#include <QDir>
#include <QGeoCoordinate>
#include <QString>

// The route the benchmarks work on: 2,000 stops in two directions, two languages, every
// text generated, three files per stop and a position everywhere. The largest routes
// prepared for the unit are far smaller.
constexpr int largeRouteStops = 2000;

inline Station *largeRouteStation(int number)
{
    auto *station = new Station;
    const QString place = QStringLiteral("Улица Строителей, дом %1").arg(number);
    station->name = {QStringLiteral("Остановка ") + place + QLatin1Char('.'), QStringLiteral("Stop ") + place};
    station->nextName
        = {QStringLiteral("Следующая остановка ") + place + QLatin1Char('.'), QStringLiteral("Next stop ") + place};
    station->sideName = {place, QStringLiteral("Stroiteley %1").arg(number)};
    station->soundFiles = QStringList{QStringLiteral("st%1.wav").arg(number), QStringLiteral("st%1en.mp3").arg(number)};
    station->textFiles = QStringList{QStringLiteral("st %1.txt").arg(number)};
    // About 460 m apart, as stops in a city are.
    station->coordinate = QGeoCoordinate(55.5 + number * 4e-3, 37.25 + number * 2e-3);
    station->radius = quint8(20 + number % 200);
    return station;
}

// Writes the route of stops stops into folder, with its advertising folder; true when every
// file was written.
inline bool writeLargeRoute(const QString &folder, int stops = largeRouteStops)
{
    RouteData route;
    if (!QDir().mkpath(folder) || !route.createNew(folder) || !QDir().mkpath(route.adFolder()))
        return false;
    route.setStationWord(1, QStringLiteral("Stop"));
    route.setNextWord(1, QStringLiteral("Next stop"));
    route.setRouteText(1, QStringLiteral("Route %n."));
    while (route.stationCount() > 0)
        route.removeStation(0);
    for (int number = 1; number <= stops; ++number)
        route.insertStation(route.stationCount(), largeRouteStation(number));
    route.setBackStationIndex(stops / 2);
    route.setAdTextFiles({QStringLiteral("r1.txt"), QStringLiteral("r2.txt")});
    return route.save();
}
