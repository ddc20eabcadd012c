// The stop list and the stop tab: which entry is shown, how the two list layouts change what
// the tab offers, and the page operations of the stop commands.

#include "routeform.h"
#include "ui_routeform.h"

#include "coordinatetext.h"
#include "routemodel.h"

void RouteForm::onCurrentStationChanged(const QModelIndex &current)
{
    m_currentStation = m_stationModel->stationIndexOf(current);
    // The side board lists the stops from the one shown on.
    setSideTabloStations();
    ui->sideTabloWdt->refresh();
    if (m_currentStation < 0) {
        ui->rightStack->setCurrentWidget(ui->routePage);
        return;
    }
    fillStationPage();
    ui->rightStack->setCurrentWidget(ui->stationPage);
}

// Fills the stop tab, the file lists and the coordinates of the current entry.
void RouteForm::fillStationPage()
{
    const int index = m_currentStation;
    const int back = m_route.backStationIndex();
    const bool separate = isNextSeparate();
    const bool nextEntry = isNextEntry(index);
    showStationTexts(index, language(StationLanguage));
    ui->stationNameWdt->setVisible(!nextEntry);
    ui->nextStationWidget->setVisible(!separate || nextEntry);
    ui->addNextStationBtn->setVisible(separate && !nextEntry && (index == 0 || index == back));
    // In the separate layout a new stop goes after the current entry, which must not be the
    // last stop of the forward direction.
    ui->addStationBtn->setVisible(!separate || index + 1 != back || isNextEntry(back));
    // The last stop of the forward direction stays, and so does the entry before it.
    ui->removeStationBtn->setVisible(m_route.stationCount() >= 3
                                     && (!m_route.hasReturnDirection() || (index + 1 != back && index + 2 != back)));
    fillFileList(SoundFiles);
    fillFileList(TextFiles);
    const Station *station = m_route.stationAt(index);
    ui->coordEdit->setText(formatCoordinate(station->coordinate));
    const QSignalBlocker blocker(ui->radiusSpn);
    ui->radiusSpn->setValue(station->radius);
}

// In the separate layout each direction ends with a stop entry and alternates backwards from
// there: next-stop entry, stop entry, and so on.
bool RouteForm::isNextEntry(int station) const
{
    if (!isNextSeparate())
        return false;
    const int back = m_route.backStationIndex();
    const int end = station < back ? back : m_route.stationCount();
    return (station - end - 1) % 2 != 0;
}

bool RouteForm::isNextSeparate() const
{
    return ui->nextSeparateCheck->isChecked();
}

void RouteForm::setNextSeparate(bool separate)
{
    ui->nextSeparateCheck->setChecked(separate);
}

void RouteForm::showStationTexts(int station, int language)
{
    const Station *stop = m_route.stationAt(station);
    if (!isNextSeparate()) {
        ui->stationNameEdit->setText(stop->name[language]);
        ui->nextNameEdit->setText(stop->nextName[language]);
    } else if (isNextEntry(station)) {
        ui->nextNameEdit->setText(stop->name[language]);
    } else {
        ui->stationNameEdit->setText(stop->name[language]);
    }
    ui->sideNameEdit->setText(stop->sideName[language]);
}

// The view keeps its current row on the same stop when rows come or go above it, without
// telling, so the current index follows here.
void RouteForm::insertStation(int index, Station *station)
{
    m_stationModel->insertStation(index, station);
    if (m_currentStation >= index)
        ++m_currentStation;
    markStationChange(index, StopTab);
    markStale(OutsideBoard::Side);
}

// Removing the current row makes the view select the row above first.
Station *RouteForm::takeStation(int index)
{
    Station *station = m_stationModel->takeStation(index);
    if (m_currentStation > index)
        --m_currentStation;
    markStationChange(index, StopTab);
    markStale(OutsideBoard::Side);
    return station;
}

void RouteForm::removeStation(int index)
{
    delete takeStation(index);
}

void RouteForm::setBackStationIndex(int index)
{
    m_stationModel->setBackStationIndex(index);
    markStale(OutsideBoard::Side);
}

void RouteForm::setStationName(int station, int language, const QString &text)
{
    setStationText(station, Station::Name0 + language, text);
}

void RouteForm::setStationNextName(int station, int language, const QString &text)
{
    setStationText(station, Station::NextName0 + language, text);
}

void RouteForm::setStationSideName(int station, int language, const QString &text)
{
    setStationText(station, Station::SideName0 + language, text);
    // The side board lists the stops from the current one to the end of its direction.
    const int first = m_route.isValidStationIndex(m_currentStation) ? m_currentStation : 0;
    const int end = first < m_route.backStationIndex() ? m_route.backStationIndex() : m_route.stationCount();
    if (station >= first && station < end)
        markStale(OutsideBoard::Side);
}

// textNumber counts the six texts of a stop in the order of Station::TextNumber.
void RouteForm::setStationText(int station, int textNumber, const QString &text)
{
    const int language = textNumber % 2;
    m_stationModel->setStationText(station, textNumber, text);
    if (station == m_currentStation && language == this->language(StationLanguage))
        showStationTexts(station, language);
    markStationChange(station, StopTab);
    m_lastChange.languages[StationLanguage] = language;
}
