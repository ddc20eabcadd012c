#pragma once

#include "swapcommand.h"

#include <QGeoCoordinate>

// Where a stop is announced: its position and the radius around it.

class SetStationCoordinate : public SwapCommand<QGeoCoordinate, int>
{
public:
    SetStationCoordinate(RouteForm *page, int station, const QGeoCoordinate &coordinate,
                         QUndoCommand *parent = nullptr);
};

// Consecutive radius changes of one stop make one undo step; a change of another stop is a
// step of its own.
class SetStationRadius : public MergingSwapCommand<StationRadiusId, int, int>
{
public:
    SetStationRadius(RouteForm *page, int station, int radius, QUndoCommand *parent = nullptr);

    bool mergeWith(const QUndoCommand *other) override;
};
