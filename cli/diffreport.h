#pragma once

#include "routediff.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The report of "marvolt-route diff": a line per change for people ("stop 3: stop text,
// language 1: "…" → "…""), or a JSON object with both folders and every change with its kind,
// the stop numbers in both versions and the values. Stops and languages count from 1, as the
// route files and the editor count them.
QByteArray diffReportText(const QList<RouteChange> &changes);
QByteArray diffReportJson(const QString &oldFolder, const QString &newFolder, const QList<RouteChange> &changes);
