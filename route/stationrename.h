#pragma once

#include "station.h"

#include <QList>
#include <QString>

class RouteData;

// One text of a stop set anew: the entry's index, the text's number (Station::TextNumber), the
// text it gets and the text it had.
struct StationTextEdit
{
    int station = 0;
    int textNumber = 0;
    QString text;
    QString previous;
};

// What renaming the entry at index of route to text in language sets: the entry's stop text
// itself, then the texts made from the old one, which follow it: the side-board name, and the
// next-stop announcement of the entry before within the same direction (that entry's own text
// when next-stop announcements are entries of their own, separate, else its next-stop text).
// Texts written by hand stay.
QList<StationTextEdit> stationRenameEdits(const RouteData &route, int index, int language, const QString &text,
                                          bool separate);

// The name of the stop an entry's stop text announces, as people name it: without the stop word
// of the language, the quotes and a closing full stop. "Остановка Центральный рынок." names
// "Центральный рынок".
QString announcedStopName(const RouteData &route, int language, const QString &text);

// Renames, in every stop entry of route whose first-language announcedStopName is from[0], that
// name to to[0] within its stop text, with the follow-ups of stationRenameEdits; where from[1]
// is given and the entry's second-language name is from[1], that one to to[1] as well. Returns
// the edits made, in order.
QList<StationTextEdit> renameStop(RouteData &route, const TextPair &from, const TextPair &to, bool separate);
