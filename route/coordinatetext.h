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

// Reads the number that starts at the first decimal digit from position on: digits with at
// most one decimal point or comma between digits, negative when a minus sign ("-" or "−")
// stands directly before it. position moves to where the number ended; ok tells whether a
// number was read.
double readNumber(const QString &text, int &position, bool &ok);

// The first two numbers of text as latitude and longitude, whatever stands around them ("N55.75
// E37.61", "55,75; 37,61"); invalid unless both are read and lie in range.
QGeoCoordinate parseCoordinate(const QString &text);
