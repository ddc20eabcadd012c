#pragma once

#include <QByteArray>
#include <QGeoCoordinate>
#include <QString>

// Degrees as coord.txt and the coordinate field show them: fixed notation with five decimals,
// about a metre, which is all the unit uses.
QByteArray formatDegrees(double degrees);

// Latitude and longitude of a valid coordinate in the form of formatDegrees, separated by one
// blank; empty for an invalid coordinate.
QString formatCoordinate(const QGeoCoordinate &coordinate);
