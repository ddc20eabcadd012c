// coord.txt: the next-stop delay on a header line, then per stop its number, latitude,
// longitude and announcement radius, separated by blanks.

#include "coordinatetext.h"
#include "keytoken.h"
#include "linereader.h"
#include "routedata.h"
#include "textrules.h"
#include "routedefaults.h"

#include <QtNumeric>

#include <climits>

namespace {

void readHeaderLine(RouteData &route, const QByteArray &line)
{
    int position = 0;
    QByteArray key;
    QByteArray value;
    while (readKeyToken(line, position, key, value)) {
        if (key == "NEXTDELAY")
            route.setNextStationDelay(int(qMin(value.toUInt(), uint(INT_MAX))));
    }
}

// Sets degrees from field when it holds a finite decimal number; otherwise false.
bool readDegrees(const QByteArray &field, double &degrees)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !qIsFinite(value))
        return false;
    degrees = value;
    return true;
}

// The unit keeps the radius in one byte: larger numbers wrap to their low eight bits.
quint8 readRadius(const QByteArray &field)
{
    bool ok = false;
    const uint value = field.toUInt(&ok);
    return ok ? quint8(value & 0xFF) : quint8(defaultStationRadius);
}

// A field missing from the end of the line gives the default radius; latitude and longitude
// that are no number leave the position as it was. The file keeps a radius only beside a
// position, so a stop without one keeps the default radius.
void readPosition(Station &station, const QList<QByteArray> &fields)
{
    station.radius = defaultStationRadius;
    double degrees = 0;
    if (fields.size() >= 1 && readDegrees(fields.at(0), degrees))
        station.coordinate.setLatitude(degrees);
    if (fields.size() >= 2 && readDegrees(fields.at(1), degrees))
        station.coordinate.setLongitude(degrees);
    if (fields.size() >= 3 && station.coordinate.isValid())
        station.radius = readRadius(fields.at(2));
}

// False when the line names no stop of the route.
bool readStationLine(RouteData &route, const QByteArray &line)
{
    Station *station = route.stationByNumber(stationLineNumber(line));
    if (!station)
        return false;
    // Only the blank separates fields, any number of them; a tab stays inside its field.
    // The first field is the stop number.
    QList<QByteArray> fields;
    forEachField(line, ' ', [&fields](const QByteArray &field) {
        if (!field.isEmpty())
            fields.append(field);
        return fields.size() < 4;
    });
    readPosition(*station, fields.mid(1));
    return true;
}

QByteArray stationLine(const Station &station, int number)
{
    QByteArray line = QByteArray::number(number) + ' ';
    if (station.coordinate.isValid()) {
        line += formatDegrees(station.coordinate.latitude()) + ' ' + formatDegrees(station.coordinate.longitude()) + ' '
            + QByteArray::number(station.radius);
    }
    return line + "\r\n";
}

} // namespace

void RouteData::parseCoordinates(const std::optional<QByteArray> &content)
{
    m_nextStationDelay = defaultNextStationDelay;
    if (!content)
        return;
    LineReader reader(*content);
    QByteArray line;
    // Only the first line can be the header, and only when it does not start with a number.
    if (reader.peekLine(line) && isHeaderLine(line)) {
        reader.readLine(line);
        readHeaderLine(*this, line);
    }
    while (reader.readLine(line)) {
        if (!readStationLine(*this, line) && !line.trimmed().isEmpty())
            skipLine(CoordinatesFile, reader.lineNumber());
    }
}

QByteArray RouteData::coordinatesContent() const
{
    QByteArray content = " NEXTDELAY:" + QByteArray::number(m_nextStationDelay) + "\r\n";
    for (int index = 0; index < stationCount(); ++index)
        content += stationLine(*m_stations[index], index + 1);
    return content;
}
