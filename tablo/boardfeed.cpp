#include "boardfeed.h"

#include "boardheader.h"
#include "fronttablowidget.h"

void feedBoard(FrontTabloWidget &preview, const RouteData &route, OutsideBoard board, int startStation)
{
    const BoardHeader fields = route.boardHeader(board);
    preview.setNumber(fields.number);
    for (int language = 0; language < 2; ++language) {
        preview.setStartingPoint(language, fields.startingPoint[language]);
        preview.setDestination(language, fields.destination[language]);
    }
    preview.setNumberColour(fields.numberColor);
    preview.setLine1Colour(fields.startColor);
    preview.setLine2Colour(fields.destColor);
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
