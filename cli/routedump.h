#pragma once

#include <QByteArray>
#include <QString>

class RouteData;

// The route as one UTF-8 JSON object: every setting under the name of its RouteData field and
// the stops in list order. folder is shown as given, the route itself may hold it absolute.
QByteArray routeDumpJson(const RouteData &route, const QString &folder);
