// The coordinates tab of a stop: its position and announcement radius.

#include "routeform.h"
#include "ui_routeform.h"

#include "coordinatecommands.h"
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

// The position is compared in the form coord.txt keeps: a difference beyond the fifth decimal
// is no change. Text without two numbers clears the position.
void RouteForm::on_coordEdit_editingFinished()
{
    const Station *station = m_route.stationAt(m_currentStation);
    if (!station)
        return;
    const QGeoCoordinate coordinate = parseCoordinate(ui->coordEdit->text().trimmed());
    const QString stored = formatCoordinate(station->coordinate);
    if (ui->coordEdit->isModified() && formatCoordinate(coordinate) != stored) {
        pushCommand(new SetStationCoordinate(this, m_currentStation, coordinate));
        return;
    }
    ui->coordEdit->setText(stored);
    restoreUndoFlags();
}

void RouteForm::on_radiusSpn_editingFinished()
{
    const Station *station = m_route.stationAt(m_currentStation);
    if (station && spinChanged(ui->radiusSpn, station->radius))
        pushCommand(new SetStationRadius(this, m_currentStation, ui->radiusSpn->value()));
}

// One radius for every stop, in one undo step.
void RouteForm::on_setAllRadiusBtn_clicked()
{
    auto *command = new QUndoCommand;
    for (int index = 0; index < m_route.stationCount(); ++index) {
        if (m_route.stationAt(index)->radius != ui->radiusSpn->value())
            new SetStationRadius(this, index, ui->radiusSpn->value(), command);
    }
    pushMacro(command);
}
