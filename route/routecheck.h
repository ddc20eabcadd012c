#pragma once

#include "routedata.h"

#include <QList>
#include <QString>

// One thing the unit would announce or show other than the user meant, or may: found in the
// route as it is, its files, and what saving and reading it again would make of it.
struct RouteProblem
{
    enum Severity { Error, Warning, Info };

    Severity severity = Error;
    // A stable name of the kind of problem, such as "missing-file".
    QString code;
    // The file the problem is in or about, as named in the route folder.
    QString file;
    // The stop index, or -1 when the problem concerns no stop.
    int station = -1;
    // The language of the text, or -1.
    int language = -1;
    QString message;
};

// "error", "warning" or "info".
QString severityName(RouteProblem::Severity severity);

// The problems of route and of the files in its folders, in the order of the stops. alternating
// tells how the stop list stores its next-stop announcements. The widths of board texts are
// left to the caller, which knows the boards.
QList<RouteProblem> checkRoute(const RouteData &route, bool alternating);

// The texts of route that the next save would not carry as they are: the route written and read
// back in memory, compared with the route now. The part of checkRoute that a save asks about.
QList<RouteProblem> checkSavedTexts(const RouteData &route, bool alternating);

// Orders problems by severity, then by stop, keeping the order within.
void sortProblems(QList<RouteProblem> &problems);
