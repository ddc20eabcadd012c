#pragma once

#include "editorini.h"
#include "routecheck.h"

// The route check with the boards: every problem of checkRoute, and the starting points,
// destinations and numbers that the boards of the given types cannot show whole when still
// ("too-wide"), sorted.
QList<RouteProblem> checkRouteAndBoards(const RouteData &route, const EditorIni &types, bool alternating);
