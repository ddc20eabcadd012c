#pragma once

#include "routedata.h"

#include <QStringList>

class FrontTabloWidget;

// Gives preview everything of board that the route holds: number, starting points and
// destinations of both languages, colours, mode, font bits and change time, the side strips
// (front and back) or the separator and the stops from startStation (side; -1 for the first).
// Only stores; the caller refreshes the preview.
void feedBoard(FrontTabloWidget &preview, const RouteData &route, OutsideBoard board, int startStation = -1);

// Gives the side preview its stop list of both languages, from startStation (-1: the first).
void feedSideStops(FrontTabloWidget &preview, const RouteData &route, int startStation);

// The non-empty side names of language of at most sideStationCount stops from startStation
// (-1: the first), ending before the return direction when startStation lies before it.
QStringList sideStopNames(const RouteData &route, int language, int startStation);
