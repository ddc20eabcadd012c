// backtab.txt: the back board header and nothing else.

#include "boardheader.h"
#include "linereader.h"
#include "routedata.h"
#include "routefile.h"

namespace {

QString backBoardPath(const QString &folder)
{
    return folder + QLatin1String("/backtab.txt");
}

} // namespace

bool RouteData::readBackBoard()
{
    m_backNumberColor = m_frontNumberColor;
    m_backStartColor = m_frontStartColor;
    m_backDestColor = m_frontDestColor;
    QByteArray content;
    if (!RouteFile::read(backBoardPath(m_folder), content)) {
        m_backNumber = m_frontNumber;
        m_backStartingPoint = m_frontStartingPoint;
        m_backDestination = m_frontDestination;
        m_backMode = m_frontMode;
        m_backFont = m_frontFont;
        m_backNameTimeout = m_frontNameTimeout;
        return false;
    }
    BoardHeader header;
    header.numberColor = m_backNumberColor;
    header.startColor = m_backStartColor;
    header.destColor = m_backDestColor;
    LineReader reader(content);
    header.read(reader);
    m_backNumber = header.number;
    m_backStartingPoint = header.startingPoint;
    m_backDestination = header.destination;
    m_backMode = header.mode;
    m_backFont = header.font;
    m_backNameTimeout = header.nameTimeout;
    m_backNumberColor = header.numberColor;
    m_backStartColor = header.startColor;
    m_backDestColor = header.destColor;
    return true;
}

bool RouteData::writeBackBoard() const
{
    BoardHeader header;
    header.number = m_backNumber;
    header.startingPoint = m_backStartingPoint;
    header.destination = m_backDestination;
    header.mode = m_backMode;
    header.font = m_backFont;
    header.nameTimeout = m_backNameTimeout;
    header.numberColor = m_backNumberColor;
    header.startColor = m_backStartColor;
    header.destColor = m_backDestColor;
    const QByteArray content = "\xEF\xBB\xBF" + header.lines(BoardHeader::BoardItems);
    return RouteFile::write(backBoardPath(m_folder), content);
}
