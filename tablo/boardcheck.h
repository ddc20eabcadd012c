#pragma once

#include "editorini.h"
#include "routecheck.h"

// The route check with the boards: every problem of checkRoute, the numbers, starting points and
// destinations that the boards of the given types cut while they animate ("too-wide"), and the
// side-board stop names that the side board's stop line cuts ("stop-name-too-wide"), sorted.
QList<RouteProblem> checkRouteAndBoards(const RouteData &route, const EditorIni &types, bool alternating);
