#pragma once

#include "routecheck.h"

#include <QByteArray>
#include <QJsonObject>

// The report of "marvolt-route check" on one folder: a line per problem ("folder: severity code
// file, stop N, language L: message"), or a JSON object with the problems and their counts.
// Stops and languages count from 1, as the route files and the editor count them.
QByteArray checkReportText(const QString &folder, const QList<RouteProblem> &problems);
QJsonObject checkReportJson(const QString &folder, const QList<RouteProblem> &problems);
