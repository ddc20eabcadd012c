// sidetab.txt: the side board header, then the side board name of each stop by position.

#include "boardheader.h"
#include "linereader.h"
#include "routedefaults.h"
#include "routedata.h"
#include "textrules.h"

#include <algorithm>

namespace {

bool isNamed(const Station &station)
{
    return !station.sideName[0].isEmpty() || !station.sideName[1].isEmpty();
}

// Built apart and appended whole: appending a string builder expression to the file content
// reserves the exact size, which copies the whole file once per stop.
QByteArray sideNameLines(const Station &station, int position)
{
    QByteArray lines = QByteArray::number(position) + ' ' + station.sideName[0].toUtf8() + "\r\n";
    if (!station.sideName[1].isEmpty())
        lines += "  " + station.sideName[1].toUtf8() + "\r\n";
    return lines;
}

} // namespace

void RouteData::parseSideBoard(const std::optional<QByteArray> &content)
{
    if (!content) {
        // Without its own file the side board shows the front texts with its own layout.
        BoardHeader header = boardHeader(OutsideBoard::Front);
        header.mode = StaticMode | OnlyDestinationMode | CenteredMode;
        header.separator = defaultSideSeparator();
        setBoardHeader(OutsideBoard::Side, header);
        defaultSideNames();
        return;
    }
    BoardHeader header;
    header.takeColors(boardHeader(OutsideBoard::Front));
    LineReader reader(*content);
    header.read(reader);
    setBoardHeader(OutsideBoard::Side, header);

    QByteArray line;
    while (reader.readLine(line)) {
        const int space = line.indexOf(' ');
        Station *station = stationByNumber(parseDecimal(space < 0 ? line : line.left(space)));
        if (!station) {
            if (!line.trimmed().isEmpty())
                skipLine(SideBoardFile, reader.lineNumber());
            continue;
        }
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
}

QByteArray RouteData::sideBoardContent() const
{
    QByteArray content = "\xEF\xBB\xBF" + boardHeader(OutsideBoard::Side).lines(BoardHeader::SideBoardItems);
    for (int index = 0; index < stationCount(); ++index)
        content += sideNameLines(*m_stations[index], index + 1);
    return content;
}

void RouteData::defaultSideNames()
{
    const bool alternating = looksAlternating();
    for (int index = 0; index < stationCount(); ++index) {
        if (isNextStopEntry(index, alternating))
            continue;
        Station &station = *m_stations[index];
        for (int language = 0; language < 2; ++language)
            station.sideName[language] = strippedName(language, station.name[language]);
    }
}
