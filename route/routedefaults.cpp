// The example route of a new folder, the defaults shared with script.txt, and the
// announcement texts the "auto" buttons derive from each other.

#include "routedefaults.h"

#include "routedata.h"

QString defaultRouteText()
{
    return QStringLiteral("Маршрут %n.");
}

QString temperatureText(const QString &label)
{
    return QLatin1String("<&F1 <&V03    ") + label + QLatin1String(" %t>");
}

QString defaultOutsideTempText()
{
    return temperatureText(QStringLiteral("На улице"));
}

QString defaultSalonTempText()
{
    return temperatureText(QStringLiteral("В салоне"));
}

QString defaultSalonTimeText()
{
    return QStringLiteral("'<&F1 <&L06'   hh:mm  dd.MM.yyyy>");
}

QByteArray defaultSalonTabloOrder()
{
    return QByteArrayLiteral("(MO)2(MNNSABTR)0");
}

QString defaultStationWord()
{
    return QStringLiteral("Остановка");
}

QString defaultNextWord()
{
    return QStringLiteral("Следующая остановка");
}

QString defaultSideSeparator()
{
    return QStringLiteral("hh:mm dd.MM.yy");
}

void setScriptDefaults(RouteData &route)
{
    for (int language = 0; language < 2; ++language) {
        const bool first = language == 0;
        route.setRouteText(language, first ? defaultRouteText() : QString());
        route.setSalonTempText(language, first ? defaultSalonTempText() : QString());
        route.setOutsideTempText(language, first ? defaultOutsideTempText() : QString());
    }
    route.setSalonTimeText(defaultSalonTimeText());
    route.setSalonTabloOrder(defaultSalonTabloOrder());
    route.setSalonColor(defaultSalonColor);
    route.setLeftSofitColor(0);
    route.setRightSofitColor(0);
    route.setBrValues(0, 1);
    route.setBrValues(1, 0);
    route.setCyclePlay(false);
}

QString replaceLeadingWord(const QString &from, const QString &to, const QString &text)
{
    const QString rest = (text.startsWith(from) ? text.mid(from.size()) : text).trimmed();
    if (rest.isEmpty())
        return to;
    if (to.isEmpty())
        return rest;
    return to + QLatin1Char(' ') + rest;
}

namespace {

// The three outside boards of the example all show route 1 from Пункт А to Пункт Б.
void setExampleBoards(RouteData &route)
{
    const QString number = QStringLiteral("1");
    const QString start = QStringLiteral("Пункт А");
    const QString destination = QStringLiteral("Пункт Б");
    route.setFrontNumber(number);
    route.setSideNumber(number);
    route.setBackNumber(number);
    for (int language = 0; language < 2; ++language) {
        const bool first = language == 0;
        route.setFrontStartingPoint(language, first ? start : QString());
        route.setSideStartingPoint(language, first ? start : QString());
        route.setBackStartingPoint(language, first ? start : QString());
        route.setFrontDestination(language, first ? destination : QString());
        route.setSideDestination(language, first ? destination : QString());
        route.setBackDestination(language, first ? destination : QString());
    }
    route.setSideSeparator(defaultSideSeparator());
    route.setFrontNumberColor(defaultBoardColor);
    route.setFrontStartColor(defaultBoardColor);
    route.setFrontDestColor(defaultBoardColor);
    route.setSideNumberColor(defaultBoardColor);
    route.setSideStartColor(defaultBoardColor);
    route.setSideDestColor(defaultBoardColor);
    route.setBackNumberColor(defaultBoardColor);
    route.setBackStartColor(defaultBoardColor);
    route.setBackDestColor(defaultBoardColor);
    const int staticCentered = RouteData::StaticMode | RouteData::CenteredMode;
    route.setFrontMode(staticCentered);
    route.setBackMode(staticCentered);
    route.setSideMode(staticCentered | RouteData::OnlyDestinationMode);
    route.setFrontFont(0);
    route.setBackFont(0);
    route.setSideFont(1);
    route.setFrontFontFromStationList(false);
    route.setFrontNameTimeout(4);
    route.setSideNameTimeout(4);
    route.setBackNameTimeout(4);
    route.setSideSValue(3);
    route.setSideStationCount(5);
}

void setExampleInterior(RouteData &route)
{
    for (int language = 0; language < 2; ++language) {
        const bool first = language == 0;
        route.setStationWord(language, first ? defaultStationWord() : QString());
        route.setNextWord(language, first ? defaultNextWord() : QString());
    }
    setScriptDefaults(route);
    route.setNextStationDelay(defaultNextStationDelay);
    // The advertising folder of the example lies inside the route folder; it is created only
    // when the user asks for it.
    route.setAdFolder(route.folder() + QLatin1String("/Rek"));
    route.setAdTextFiles({});
}

// One entry per announcement, out and back: stop entries carry a side board name, the
// next-stop entries between them do not.
void addExampleStations(RouteData &route)
{
    const struct
    {
        QString name;
        bool isStop;
    } entries[] = {
        {QStringLiteral("Остановка Пункт А."), true},
        {QStringLiteral("Следующая остановка Пункт Б. Конечная."), false},
        {QStringLiteral("Остановка Пункт Б. Конечная."), true},
        {QStringLiteral("Остановка Пункт Б."), true},
        {QStringLiteral("Следующая остановка Пункт А. Конечная."), false},
        {QStringLiteral("Остановка Пункт А. Конечная."), true},
    };
    for (const auto &entry : entries) {
        auto *station = new Station;
        station->name[0] = entry.name;
        if (entry.isStop)
            station->sideName[0] = route.strippedName(0, entry.name);
        route.insertStation(route.stationCount(), station);
    }
    route.setBackStationIndex(3);
}

} // namespace

bool RouteData::createNew(const QString &path)
{
    if (!m_folder.isEmpty() || path.isEmpty())
        return false;
    m_folder = path;
    m_stations.clear();
    setExampleBoards(*this);
    setExampleInterior(*this);
    addExampleStations(*this);
    return true;
}

QString RouteData::toStationText(int language, const QString &nextText) const
{
    return replaceLeadingWord(m_nextWord[language], m_stationWord[language], nextText);
}

QString RouteData::toNextText(int language, const QString &stationText) const
{
    return replaceLeadingWord(m_stationWord[language], m_nextWord[language], stationText);
}
