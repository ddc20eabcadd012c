#pragma once

#include <QByteArray>
#include <QString>

class RouteData;

// The values a route starts with: those of the example route that a folder without a station
// list opens with, which script.txt also falls back to for keys it does not hold.

// The interior board texts: the route line ("%n" is the route number), the outside and inside
// temperature lines ("%t" is the temperature) and the date-and-time line.
QString defaultRouteText();
QString defaultOutsideTempText();
QString defaultSalonTempText();
QString defaultSalonTimeText();
// A temperature line of the interior board: label in front of the temperature.
QString temperatureText(const QString &label);
// The message order of the interior running line.
QByteArray defaultSalonTabloOrder();
// Gives route the values script.txt starts from: the interior board texts of the first
// language (the second emptied), the message order, the colours and flags. The announcement
// words and the advertising folder are left as they are.
void setScriptDefaults(RouteData &route);
// The separator of the side board stop list.
QString defaultSideSeparator();
// The announcement words of a new route's first language, which the unit speaks: route content,
// not interface text, so they stay as they are whatever language the editor shows.
QString defaultStationWord();
QString defaultNextWord();

// The colour of the outside boards and of the interior board, 0xRRGGBB.
constexpr int defaultBoardColor = 0x080400;
constexpr int defaultSalonColor = 0x800000;
// Metres around a stop in which it is announced.
constexpr int defaultStationRadius = 25;
// Seconds between the doors opening and the next-stop announcement.
constexpr int defaultNextStationDelay = 5;

// text without its leading from and with to put in front of the rest, separated by one blank;
// the stop and next-stop announcements are derived from each other this way.
QString replaceLeadingWord(const QString &from, const QString &to, const QString &text);
