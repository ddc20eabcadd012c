// backtab.txt: the back board header and nothing else.

#include "boardheader.h"
#include "linereader.h"
#include "routedata.h"

void RouteData::parseBackBoard(const std::optional<QByteArray> &content)
{
    if (!content) {
        // Without its own file the back board shows what the front board shows.
        setBoardHeader(OutsideBoard::Back, boardHeader(OutsideBoard::Front));
        return;
    }
    BoardHeader header;
    header.takeColors(boardHeader(OutsideBoard::Front));
    LineReader reader(*content);
    header.read(reader);
    setBoardHeader(OutsideBoard::Back, header);
}

QByteArray RouteData::backBoardContent() const
{
    return "\xEF\xBB\xBF" + boardHeader(OutsideBoard::Back).lines(BoardHeader::BoardItems);
}
