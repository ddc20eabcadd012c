// ost.txt: the front board header, then one group of lines per stop (stop line with the
// announcement texts, optional second-language line, file list line) and the end line.

#include "stationlistfile.h"

#include "boardheader.h"
#include "linereader.h"
#include "routedata.h"
#include "routedefaults.h"
#include "textrules.h"

#include <QFileInfo>

namespace {

const char fieldSeparator[] = "\\\\";

bool isFileListSeparator(char byte)
{
    return uchar(byte) <= 0x20 || byte == ',';
}

// Splits "text\\next" into the two announcement texts of one language.
void readNames(const QByteArray &body, Station &station, int language)
{
    const int separator = body.indexOf(fieldSeparator);
    station.name[language] = decodeFileText(separator < 0 ? body : body.left(separator)).trimmed();
    station.nextName[language] = separator < 0 ? QString() : decodeFileText(body.mid(separator + 2)).trimmed();
}

// Stops written without files still announce "NN.wav" when the folder holds one, and the
// placeholder ".wav" the writer puts for them means no file at all.
void applyFileDefaults(const QString &folder, int number, Station &station)
{
    if (station.soundFiles.isEmpty() && station.textFiles.isEmpty()) {
        const QString numbered = QStringLiteral("%1.wav").arg(number, 2, 10, QLatin1Char('0'));
        if (QFileInfo::exists(folder + QLatin1Char('/') + numbered))
            station.soundFiles.append(numbered);
    }
    if (station.soundFiles == QStringList{QStringLiteral(".wav")})
        station.soundFiles.clear();
}

Station *readStation(const QByteArray &line, LineReader &reader, const QString &folder, int stationCount,
                     int &backStationIndex, bool &ended)
{
    const int space = line.indexOf(' ');
    const int number = parseDecimal(space < 0 ? line : line.left(space));
    auto station = std::make_unique<Station>();
    if (number != 0) {
        QByteArray body = space < 0 ? line : line.mid(space + 1);
        if (body.startsWith("END")) {
            ended = true;
            return nullptr;
        }
        if (body.startsWith("STOP")) {
            backStationIndex = stationCount;
            body.remove(0, body.startsWith("STOP ") ? 5 : 4);
        }
        readNames(body, *station, 0);
    }
    QByteArray indented;
    while (reader.peekLine(indented) && isIndentedLine(indented)) {
        reader.readLine(indented);
        if (parseFileList(indented, *station) == 0 && station->name[1].isEmpty())
            readNames(indented.mid(2), *station, 1);
    }
    applyFileDefaults(folder, number, *station);
    return station.release();
}

QByteArray quotedFileName(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    return bytes.contains(' ') || bytes.contains(',') ? '"' + bytes + '"' : bytes;
}

QByteArray stationLines(const Station &station, int position, bool firstOfReturn)
{
    QByteArray lines = QByteArray::number(position) + ' ' + (firstOfReturn ? "STOP " : "") + station.name[0].toUtf8();
    if (!station.nextName[0].isEmpty())
        lines += fieldSeparator + station.nextName[0].toUtf8();
    lines += "\r\n";
    if (!station.name[1].isEmpty()) {
        lines += "  " + station.name[1].toUtf8();
        if (!station.nextName[1].isEmpty())
            lines += fieldSeparator + station.nextName[1].toUtf8();
        lines += "\r\n";
    }
    QList<QByteArray> files;
    for (const QString &name : station.soundFiles + station.textFiles)
        files.append(quotedFileName(name));
    lines += "  " + (files.isEmpty() ? QByteArray(".wav") : files.join(", ")) + "\r\n";
    return lines;
}

} // namespace

int parseFileList(const QByteArray &line, Station &station)
{
    int appended = 0;
    int position = 0;
    const int size = line.size();
    while (true) {
        while (position < size && isFileListSeparator(line.at(position)))
            ++position;
        if (position >= size)
            break;
        int start = position;
        int end = position;
        if (line.at(position) == '"') {
            start = end = position + 1;
            while (end < size && line.at(end) != '"' && uchar(line.at(end)) >= 0x20)
                ++end;
        } else {
            while (end < size && !isFileListSeparator(line.at(end)))
                ++end;
        }
        const QString name = decodeFileText(line.mid(start, end - start));
        switch (fileKind(name)) {
        case SoundFile:
            station.soundFiles.append(name);
            ++appended;
            break;
        case TextFile:
            station.textFiles.append(name);
            ++appended;
            break;
        default:
            break;
        }
        position = end + 1;
    }
    return appended;
}

bool RouteData::parseStationList(const std::optional<QByteArray> &content)
{
    BoardHeader header;
    header.numberColor = header.startColor = header.destColor = defaultBoardColor;
    if (content) {
        LineReader reader(*content);
        header.read(reader);
        m_backStationIndex = -1;
        bool ended = false;
        QByteArray line;
        while (!ended && reader.readLine(line)) {
            if (Station *station = readStation(line, reader, m_folder, stationCount(), m_backStationIndex, ended))
                m_stations.emplace_back(station);
        }
        // The unit stops at the end line; anything after it is never read.
        while (reader.readLine(line)) {
            if (!line.trimmed().isEmpty())
                skipLine(StationListFile, reader.lineNumber());
        }
        if (m_backStationIndex < 0)
            m_backStationIndex = stationCount();
    }
    setBoardHeader(OutsideBoard::Front, header);
    m_frontFontFromStationList = header.hasFontItem;
    return content.has_value();
}

QByteArray RouteData::stationListContent() const
{
    QByteArray content = "\xEF\xBB\xBF" + boardHeader(OutsideBoard::Front).lines(BoardHeader::BoardItems);
    for (int index = 0; index < stationCount(); ++index)
        content += stationLines(*m_stations[index], index + 1, index == m_backStationIndex);
    content += QByteArray::number(stationCount() + 1) + " END\r\n";
    return content;
}
