#include "routedata.h"

RouteData::RouteData() = default;
RouteData::~RouteData() = default;

bool RouteData::load(const QString &path)
{
    if (!m_folder.isEmpty() || path.isEmpty())
        return false;
    m_folder = path;
    if (!readStationList()) {
        m_folder.clear();
        return false;
    }
    // The order matters: script.txt consults the font flag of ost.txt, the side and back
    // readers copy front values as their defaults, coord.txt addresses the stops of ost.txt,
    // and rscript.txt is found through the advertising folder of script.txt.
    readScript();
    readBackBoard();
    readSideBoard();
    readCoordinates();
    readAdTexts();
    return true;
}

bool RouteData::save()
{
    if (m_folder.isEmpty())
        return false;
    return writeStationList() && writeCoordinates() && writeSideBoard() && writeScript() && writeBackBoard()
        && writeAdTexts();
}

Station *RouteData::stationAt(int index) const
{
    return isValidStationIndex(index) ? m_stations[index].get() : nullptr;
}

void RouteData::insertStation(int index, Station *station)
{
    Q_ASSERT(index >= 0 && index <= stationCount());
    if (!station) {
        station = new Station;
        for (int language = 0; language < 2; ++language) {
            const QString word = m_stationWord[language];
            if (!word.isEmpty())
                station->name[language] = word.endsWith(QLatin1Char(' ')) ? word : word + QLatin1Char(' ');
        }
    }
    m_stations.emplace(m_stations.begin() + index, station);
}

Station *RouteData::takeStation(int index)
{
    Q_ASSERT(isValidStationIndex(index));
    Station *station = m_stations[index].release();
    m_stations.erase(m_stations.begin() + index);
    return station;
}

void RouteData::removeStation(int index)
{
    Q_ASSERT(isValidStationIndex(index));
    m_stations.erase(m_stations.begin() + index);
}

QString RouteData::strippedName(int language, const QString &text) const
{
    const QString word = m_stationWord[language];
    if (!text.startsWith(word))
        return text;
    const QString rest = text.mid(word.size()).trimmed();
    if (!rest.startsWith(QLatin1Char('"')))
        return rest;
    // Names in quotes, with or without a closing full stop: «"Пункт А".» gives «Пункт А».
    const int lastQuote = rest.lastIndexOf(QLatin1Char('"'));
    if (lastQuote <= 0 || lastQuote < rest.size() - 2)
        return rest;
    const int quotesAfterFirst = rest.count(QLatin1Char('"')) - 1;
    return quotesAfterFirst % 2 == 1 ? rest.mid(1, lastQuote - 1) : rest.mid(1);
}

QString RouteData::relativeAdFolder() const
{
    return m_adFolder.mid(m_folder.lastIndexOf(QLatin1Char('/')));
}
