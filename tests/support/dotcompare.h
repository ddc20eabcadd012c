#pragma once

#include "tablowidget.h"

#include <QRect>
#include <QString>

// The first dot of area where the two boards differ, or an empty text.
inline QString difference(const TabloWidget &actual, const TabloWidget &expected, const QRect &area)
{
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int col = area.left(); col <= area.right(); ++col) {
            if (actual.dot(col, row) != expected.dot(col, row))
                return QStringLiteral("dot (%1, %2): %3, expected %4")
                    .arg(col)
                    .arg(row)
                    .arg(actual.dot(col, row), 6, 16, QLatin1Char('0'))
                    .arg(expected.dot(col, row), 6, 16, QLatin1Char('0'));
        }
    }
    return QString();
}
