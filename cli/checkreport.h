#pragma once

#include "routecheck.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>

// What "marvolt-route check" found in one folder: its problems, or why it could not be read.
struct FolderCheck
{
    QString folder;
    // Empty when the route was read.
    QString error;
    QList<RouteProblem> problems;
};

// The report of "marvolt-route check" on one folder: a line per problem ("folder: severity code
// file, stop N, language L: message"), or a JSON object with the problems and their counts.
// Stops and languages count from 1, as the route files and the editor count them.
QByteArray checkReportText(const QString &folder, const QList<RouteProblem> &problems);
QJsonObject checkReportJson(const QString &folder, const QList<RouteProblem> &problems);

// A line per problem code over all folders read: "severity code: P in F of N folders".
QByteArray checkSummaryText(const QList<FolderCheck> &checks);

// The JSON report of a check run, with the time of the check and the program version at the top:
// the object of the one folder, or an object listing the folders' objects ("folders"), or with
// summary the counts per code ("summary") and the folders that could not be read.
QByteArray checkReportDocument(const QList<FolderCheck> &checks, bool summary, const QDateTime &checkedAt);
