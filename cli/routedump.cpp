#include "routedump.h"

#include "routedata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray textPair(const TextPair &pair)
{
    return QJsonArray{pair[0], pair[1]};
}

// A pair field of the route, read through its language getter.
QJsonArray textPair(const RouteData &route, QString (RouteData::*get)(int) const)
{
    return QJsonArray{(route.*get)(0), (route.*get)(1)};
}

QJsonValue coordinate(const Station &station)
{
    if (!station.coordinate.isValid())
        return QJsonValue::Null;
    return QJsonArray{station.coordinate.latitude(), station.coordinate.longitude()};
}

QJsonObject stationObject(const Station &station)
{
    return QJsonObject{
        {QStringLiteral("name"), textPair(station.name)},
        {QStringLiteral("nextName"), textPair(station.nextName)},
        {QStringLiteral("sideName"), textPair(station.sideName)},
        {QStringLiteral("soundFiles"), QJsonArray::fromStringList(station.soundFiles)},
        {QStringLiteral("textFiles"), QJsonArray::fromStringList(station.textFiles)},
        {QStringLiteral("coordinate"), coordinate(station)},
        {QStringLiteral("radius"), int(station.radius)},
    };
}

QJsonArray stations(const RouteData &route)
{
    QJsonArray list;
    for (int index = 0; index < route.stationCount(); ++index)
        list.append(stationObject(*route.stationAt(index)));
    return list;
}

void addTexts(QJsonObject &object, const RouteData &route)
{
    object.insert(QStringLiteral("frontNumber"), route.frontNumber());
    object.insert(QStringLiteral("sideNumber"), route.sideNumber());
    object.insert(QStringLiteral("backNumber"), route.backNumber());
    object.insert(QStringLiteral("sideSeparator"), route.sideSeparator());
    object.insert(QStringLiteral("salonTimeText"), route.salonTimeText());
    object.insert(QStringLiteral("adFolder"), route.adFolder());
    object.insert(QStringLiteral("frontStartingPoint"), textPair(route, &RouteData::frontStartingPoint));
    object.insert(QStringLiteral("frontDestination"), textPair(route, &RouteData::frontDestination));
    object.insert(QStringLiteral("sideStartingPoint"), textPair(route, &RouteData::sideStartingPoint));
    object.insert(QStringLiteral("sideDestination"), textPair(route, &RouteData::sideDestination));
    object.insert(QStringLiteral("backStartingPoint"), textPair(route, &RouteData::backStartingPoint));
    object.insert(QStringLiteral("backDestination"), textPair(route, &RouteData::backDestination));
    object.insert(QStringLiteral("stationWord"), textPair(route, &RouteData::stationWord));
    object.insert(QStringLiteral("nextWord"), textPair(route, &RouteData::nextWord));
    object.insert(QStringLiteral("salonTempText"), textPair(route, &RouteData::salonTempText));
    object.insert(QStringLiteral("outsideTempText"), textPair(route, &RouteData::outsideTempText));
    object.insert(QStringLiteral("routeText"), textPair(route, &RouteData::routeText));
    // The order is bytes, not text: each byte shows as the character of the same code.
    object.insert(QStringLiteral("salonTabloOrder"), QString::fromLatin1(route.salonTabloOrder()));
    object.insert(QStringLiteral("adTextFiles"), QJsonArray::fromStringList(route.adTextFiles()));
}

void addNumbers(QJsonObject &object, const RouteData &route)
{
    const std::pair<const char *, int> numbers[] = {
        {"leftSofitColor", route.leftSofitColor()},
        {"rightSofitColor", route.rightSofitColor()},
        {"frontNumberColor", route.frontNumberColor()},
        {"frontStartColor", route.frontStartColor()},
        {"frontDestColor", route.frontDestColor()},
        {"sideNumberColor", route.sideNumberColor()},
        {"sideStartColor", route.sideStartColor()},
        {"sideDestColor", route.sideDestColor()},
        {"backNumberColor", route.backNumberColor()},
        {"backStartColor", route.backStartColor()},
        {"backDestColor", route.backDestColor()},
        {"salonColor", route.salonColor()},
        {"frontFont", route.frontFont()},
        {"sideFont", route.sideFont()},
        {"backFont", route.backFont()},
        {"frontMode", route.frontMode()},
        {"sideMode", route.sideMode()},
        {"backMode", route.backMode()},
        {"frontNameTimeout", route.frontNameTimeout()},
        {"sideNameTimeout", route.sideNameTimeout()},
        {"backNameTimeout", route.backNameTimeout()},
        {"nextStationDelay", route.nextStationDelay()},
        {"sideSValue", route.sideSValue()},
        {"sideStationCount", route.sideStationCount()},
        {"backStationIndex", route.backStationIndex()},
    };
    for (const auto &number : numbers)
        object.insert(QLatin1String(number.first), number.second);
    object.insert(QStringLiteral("brValues"), QJsonArray{route.brValues(0), route.brValues(1)});
    object.insert(QStringLiteral("cyclePlay"), route.cyclePlay());
    object.insert(QStringLiteral("frontFontFromStationList"), route.frontFontFromStationList());
}

} // namespace

QByteArray routeDumpJson(const RouteData &route, const QString &folder)
{
    QJsonObject object;
    object.insert(QStringLiteral("folder"), folder);
    addTexts(object, route);
    addNumbers(object, route);
    object.insert(QStringLiteral("stations"), stations(route));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}
