// sidetab.txt: the side board header, then the side board name of each stop by position.

#include "boardheader.h"
#include "linereader.h"
#include "routedefaults.h"
#include "routedata.h"
#include "routefile.h"
#include "textrules.h"

#include <algorithm>

namespace {

QString sideBoardPath(const QString &folder)
{
    return folder + QLatin1String("/sidetab.txt");
}

bool isNamed(const Station &station)
{
    return !station.sideName[0].isEmpty() || !station.sideName[1].isEmpty();
}

} // namespace

bool RouteData::readSideBoard()
{
    m_sideNumberColor = m_frontNumberColor;
    m_sideStartColor = m_frontStartColor;
    m_sideDestColor = m_frontDestColor;
    QByteArray content;
    if (!RouteFile::read(sideBoardPath(m_folder), content)) {
        m_sideNumber = m_frontNumber;
        m_sideStartingPoint = m_frontStartingPoint;
        m_sideDestination = m_frontDestination;
        m_sideMode = StaticMode | OnlyDestinationMode | CenteredMode;
        m_sideSValue = 3;
        m_sideStationCount = 5;
        m_sideFont = m_frontFont;
        m_sideNameTimeout = m_frontNameTimeout;
        m_sideSeparator = defaultSideSeparator();
        defaultSideNames();
        return false;
    }
    BoardHeader header;
    header.numberColor = m_sideNumberColor;
    header.startColor = m_sideStartColor;
    header.destColor = m_sideDestColor;
    LineReader reader(content);
    header.read(reader);
    m_sideNumber = header.number;
    m_sideStartingPoint = header.startingPoint;
    m_sideDestination = header.destination;
    m_sideMode = header.mode;
    m_sideFont = header.font;
    m_sideNameTimeout = header.nameTimeout;
    m_sideStationCount = header.stationCount;
    m_sideSValue = header.sValue;
    m_sideSeparator = header.separator;
    m_sideNumberColor = header.numberColor;
    m_sideStartColor = header.startColor;
    m_sideDestColor = header.destColor;

    QByteArray line;
    while (reader.readLine(line)) {
        const int space = line.indexOf(' ');
        Station *station = stationAt(parseDecimal(space < 0 ? line : line.left(space)) - 1);
        if (!station)
            continue;
        if (space >= 0)
            station->sideName[0] = decodeFileText(line.mid(space + 1)).trimmed();
        QByteArray indented;
        if (reader.peekLine(indented) && isIndentedLine(indented)) {
            reader.readLine(indented);
            station->sideName[1] = decodeFileText(indented).trimmed();
        }
    }
    if (std::none_of(m_stations.begin(), m_stations.end(), [](const auto &station) { return isNamed(*station); }))
        defaultSideNames();
    return true;
}

bool RouteData::writeSideBoard() const
{
    BoardHeader header;
    header.number = m_sideNumber;
    header.startingPoint = m_sideStartingPoint;
    header.destination = m_sideDestination;
    header.mode = m_sideMode;
    header.font = m_sideFont;
    header.nameTimeout = m_sideNameTimeout;
    header.stationCount = m_sideStationCount;
    header.sValue = m_sideSValue;
    header.separator = m_sideSeparator;
    header.numberColor = m_sideNumberColor;
    header.startColor = m_sideStartColor;
    header.destColor = m_sideDestColor;
    QByteArray content = "\xEF\xBB\xBF" + header.lines(BoardHeader::SideBoardItems);
    for (int index = 0; index < stationCount(); ++index) {
        const Station &station = *m_stations[index];
        content += QByteArray::number(index + 1) + ' ' + station.sideName[0].toUtf8() + "\r\n";
        if (!station.sideName[1].isEmpty())
            content += "  " + station.sideName[1].toUtf8() + "\r\n";
    }
    return RouteFile::write(sideBoardPath(m_folder), content);
}

void RouteData::defaultSideNames()
{
    const int step = stationCount() >= 2 && m_stations[0]->nextName[0].isEmpty() ? 2 : 1;
    auto derive = [this](int index) {
        Station &station = *m_stations[index];
        for (int language = 0; language < 2; ++language)
            station.sideName[language] = strippedName(language, station.name[language]);
    };
    for (int index = stationCount() - 1; index >= m_backStationIndex; index -= step)
        derive(index);
    for (int index = m_backStationIndex - 1; index >= 0; index -= step)
        derive(index);
}
