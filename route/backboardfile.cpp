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
        setBoardHeader(BackBoard, boardHeader(FrontBoard));
        return false;
    }
    BoardHeader header;
    header.takeColors(boardHeader(FrontBoard));
    LineReader reader(content);
    header.read(reader);
    setBoardHeader(BackBoard, header);
    return true;
}

bool RouteData::writeBackBoard() const
{
    const QByteArray content = "\xEF\xBB\xBF" + boardHeader(BackBoard).lines(BoardHeader::BoardItems);
    return RouteFile::write(backBoardPath(m_folder), content);
}
