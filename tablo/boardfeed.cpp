#include "boardfeed.h"

#include "fronttablowidget.h"
#include "routedata.h"

#include <array>

namespace {

// The fields that every board has under its own name in the route.
struct BoardFields
{
    QString number;
    std::array<QString, 2> startingPoint;
    std::array<QString, 2> destination;
    int numberColour;
    int startColour;
    int destinationColour;
    int mode;
    int font;
    int nameTimeout;
};

BoardFields frontFields(const RouteData &route)
{
    return {route.frontNumber(),
            {route.frontStartingPoint(0), route.frontStartingPoint(1)},
            {route.frontDestination(0), route.frontDestination(1)},
            route.frontNumberColor(),
            route.frontStartColor(),
            route.frontDestColor(),
            route.frontMode(),
            route.frontFont(),
            route.frontNameTimeout()};
}

BoardFields sideFields(const RouteData &route)
{
    return {route.sideNumber(),
            {route.sideStartingPoint(0), route.sideStartingPoint(1)},
            {route.sideDestination(0), route.sideDestination(1)},
            route.sideNumberColor(),
            route.sideStartColor(),
            route.sideDestColor(),
            route.sideMode(),
            route.sideFont(),
            route.sideNameTimeout()};
}

BoardFields backFields(const RouteData &route)
{
    return {route.backNumber(),
            {route.backStartingPoint(0), route.backStartingPoint(1)},
            {route.backDestination(0), route.backDestination(1)},
            route.backNumberColor(),
            route.backStartColor(),
            route.backDestColor(),
            route.backMode(),
            route.backFont(),
            route.backNameTimeout()};
}

BoardFields boardFields(const RouteData &route, OutsideBoard board)
{
    switch (board) {
    case OutsideBoard::Side:
        return sideFields(route);
    case OutsideBoard::Back:
        return backFields(route);
    case OutsideBoard::Front:
        break;
    }
    return frontFields(route);
}

} // namespace

void feedBoard(FrontTabloWidget &preview, const RouteData &route, OutsideBoard board, int startStation)
{
    const BoardFields fields = boardFields(route, board);
    preview.setNumber(fields.number);
    for (int language = 0; language < 2; ++language) {
        preview.setStartingPoint(language, fields.startingPoint[language]);
        preview.setDestination(language, fields.destination[language]);
    }
    preview.setNumberColour(fields.numberColour);
    preview.setLine1Colour(fields.startColour);
    preview.setLine2Colour(fields.destinationColour);
    preview.setMode(fields.mode);
    preview.setFontBits(fields.font);
    // The route counts the change time in seconds.
    preview.setChangeTime(fields.nameTimeout * 1000);
    // The side strips belong to the front and back boards; the side board has none.
    const bool side = board == OutsideBoard::Side;
    preview.setLeftStrip(side ? 0 : route.leftSofitColor());
    preview.setRightStrip(side ? 0 : route.rightSofitColor());
    preview.setSeparator(side ? route.sideSeparator() : QString());
    if (side) {
        feedSideStops(preview, route, startStation);
    } else {
        preview.setStops(0, QStringList());
        preview.setStops(1, QStringList());
    }
}

void feedSideStops(FrontTabloWidget &preview, const RouteData &route, int startStation)
{
    for (int language = 0; language < 2; ++language)
        preview.setStops(language, sideStopNames(route, language, startStation));
}

QStringList sideStopNames(const RouteData &route, int language, int startStation)
{
    if (language != 0 && language != 1)
        return QStringList();
    const int start = route.isValidStationIndex(startStation) ? startStation : 0;
    // The forward direction ends where the return direction begins.
    const int end = start < route.backStationIndex() ? qMin(route.backStationIndex(), route.stationCount())
                                                     : route.stationCount();
    const int last = qMin<qint64>(end, qint64(start) + qMax(route.sideStationCount(), 0));
    QStringList names;
    for (int index = start; index < last; ++index) {
        const QString &name = route.stationAt(index)->sideName[language];
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}
