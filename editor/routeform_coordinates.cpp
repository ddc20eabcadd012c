// The coordinates tab of a stop: the page operations of its position and radius.

#include "routeform.h"
#include "ui_routeform.h"

#include "coordinatetext.h"

void RouteForm::setStationCoordinate(int station, const QGeoCoordinate &coordinate)
{
    m_route.stationAt(station)->coordinate = coordinate;
    if (station == m_currentStation)
        ui->coordEdit->setText(formatCoordinate(coordinate));
    markStationChange(station, CoordinateTab);
}

// coord.txt keeps the radius in one byte.
void RouteForm::setStationRadius(int station, int radius)
{
    m_route.stationAt(station)->radius = quint8(radius);
    if (station == m_currentStation) {
        const QSignalBlocker blocker(ui->radiusSpn);
        ui->radiusSpn->setValue(radius);
    }
    markStationChange(station, CoordinateTab);
}
