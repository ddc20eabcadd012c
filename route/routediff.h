#pragma once

#include <QList>
#include <QString>

class RouteData;

// One difference between two versions of a route, in the terms of the people who prepare route
// data. kind names it:
// - "stop-added", "stop-removed", "stop-moved" (to another place in the list), and
//   "return-start" when the return direction starts at another stop;
// - "stop-text", "next-stop-text", "side-name": a text of a stop in one language;
// - "sound-attached", "sound-detached", "text-attached", "text-detached": a file of a stop, and
//   "file-order" when its files play in another order;
// - "position-moved" (with the distance), "position-set", "position-removed", "radius";
// - "board": a header value of the front, side or back board (field "front number" and the like);
// - "setting": a setting or text of script.txt or coord.txt, field being its key ("WORD_ST");
// - "ad-attached", "ad-detached", "ad-order": the advertising list;
// - "layout": whether next-stop announcements are entries of their own; "languages": how many.
struct RouteChange
{
    QString kind;
    // The entry in the old and in the new version, from 0; -1 where it has none.
    int oldStop = -1;
    int newStop = -1;
    // The language of a text, from 0; -1 for other changes.
    int language = -1;
    QString field;
    QString oldValue;
    QString newValue;
    // How far a position moved; -1 for other changes.
    double metres = -1;
};

// What changed from before to after. Stops are matched by their sequence, as a line diff matches
// lines: by their stop text, then, where stops were renamed, by their position, files or
// second-language text, then in order; an insertion shifts nothing. Route-wide changes come
// first, then the stops in the order of the new version.
QList<RouteChange> diffRoutes(const RouteData &before, const RouteData &after);

// Whether after keeps everything before holds, as the route files keep it: the same stops in the
// same order, the same values and texts, blanks around a text aside, which the readers trim and
// the route check counts as no loss. A route saved and read again must be the same route wherever
// the check reports no loss.
bool sameRoute(const RouteData &before, const RouteData &after);
