#include "coordinatecommands.h"

#include <QObject>

SetStationCoordinate::SetStationCoordinate(RouteForm *page, int station, const QGeoCoordinate &coordinate,
                                           QUndoCommand *parent)
    : SwapCommand(
        page, [](const RouteData &route, int index) { return route.stationAt(index)->coordinate; },
        &RouteForm::setStationCoordinate, station, coordinate, parent)
{
    setText(QObject::tr("Изменение координат остановки\n"));
}

SetStationRadius::SetStationRadius(RouteForm *page, int station, int radius, QUndoCommand *parent)
    : MergingSwapCommand(
        page, [](const RouteData &route, int index) { return int(route.stationAt(index)->radius); },
        &RouteForm::setStationRadius, station, radius, parent)
{
    setText(QObject::tr("Изменение радиуса остановки\n"));
}

bool SetStationRadius::mergeWith(const QUndoCommand *other)
{
    return other->id() == id() && static_cast<const SetStationRadius *>(other)->index() == index();
}
