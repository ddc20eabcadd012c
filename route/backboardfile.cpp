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
    QByteArray content;
    if (!RouteFile::read(backBoardPath(m_folder), content)) {
        // Without its own file the back board shows what the front board shows.
        setBoardHeader(OutsideBoard::Back, boardHeader(OutsideBoard::Front));
        return false;
    }
    BoardHeader header;
    header.takeColors(boardHeader(OutsideBoard::Front));
    LineReader reader(content);
    header.read(reader);
    setBoardHeader(OutsideBoard::Back, header);
    return true;
}

bool RouteData::writeBackBoard() const
{
    const QByteArray content = "\xEF\xBB\xBF" + boardHeader(OutsideBoard::Back).lines(BoardHeader::BoardItems);
    return RouteFile::write(backBoardPath(m_folder), content);
}
