#pragma once

#include <QGeoCoordinate>
#include <QString>
#include <QStringList>

#include <array>

// A text in the route's two languages: index 0 is the first language, index 1 the second.
using TextPair = std::array<QString, 2>;

// One stop of a route. Owned by the stop list of exactly one RouteData, or by the undo
// command that took it out of that list.
struct Station
{
    // The six texts of a stop, numbered as the route model addresses them.
    enum TextNumber { Name0, Name1, NextName0, NextName1, SideName0, SideName1 };

    TextPair name;
    TextPair nextName;
    TextPair sideName;
    QStringList soundFiles;
    QStringList textFiles;
    QGeoCoordinate coordinate;
    quint8 radius = 25;

    // The text with the given number (0 to 5), in the order of TextNumber.
    QString &text(int textNumber)
    {
        TextPair &pair = textNumber < NextName0 ? name : textNumber < SideName0 ? nextName : sideName;
        return pair[textNumber % 2];
    }
};
