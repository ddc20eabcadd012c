// The stop list and the stop tab: which entry is shown, how the two list layouts change what
// the tab offers, and the page operations of the stop commands.

#include "routeform.h"
#include "ui_routeform.h"

#include "coordinatetext.h"
#include "routemodel.h"
#include "stationcommands.h"
#include "stationrename.h"

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

bool RouteForm::isNextEntry(int station) const
{
    return m_route.isNextStopEntry(station, isNextSeparate());
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

// Makes the entry at index current, or the route row for no entry; the station page is
// filled again even when the row was current already.
void RouteForm::showStation(int index)
{
    const QModelIndex row = m_route.isValidStationIndex(index) ? m_stationModel->stationModelIndex(index)
                                                               : m_stationModel->routeModelIndex();
    if (ui->stationList->currentIndex() == row)
        onCurrentStationChanged(row);
    else
        ui->stationList->setCurrentIndex(row);
}

// A new stop text renames what was generated from the old one (stationRenameEdits): the side
// board name and the next-stop announcement of the entry before, within the same direction.
// Texts written by hand stay.
void RouteForm::on_stationNameEdit_editingFinished()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    const int lang = language(StationLanguage);
    QString text;
    if (!finishEdit(ui->stationNameEdit, m_route.stationAt(index)->name[lang], text))
        return;
    auto *command = new QUndoCommand;
    for (const StationTextEdit &edit : stationRenameEdits(m_route, index, lang, text, isNextSeparate())) {
        const int editLanguage = edit.textNumber % 2;
        if (edit.textNumber < Station::NextName0)
            new SetStationNameCmd(this, edit.station, editLanguage, edit.text, command);
        else if (edit.textNumber < Station::SideName0)
            new SetStationNextNameCmd(this, edit.station, editLanguage, edit.text, command);
        else
            new SetStationSideNameCmd(this, edit.station, editLanguage, edit.text, command);
    }
    pushCommand(command);
}

void RouteForm::on_nextNameEdit_editingFinished()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    const int lang = language(StationLanguage);
    const Station *station = m_route.stationAt(index);
    const bool separate = isNextSeparate();
    QString text;
    if (!finishEdit(ui->nextNameEdit, separate ? station->name[lang] : station->nextName[lang], text))
        return;
    auto *command = new QUndoCommand;
    if (separate)
        new SetStationNameCmd(this, index, lang, text, command);
    else
        new SetStationNextNameCmd(this, index, lang, text, command);
    pushCommand(command);
}

void RouteForm::on_sideNameEdit_editingFinished()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    const int lang = language(StationLanguage);
    QString text;
    if (finishEdit(ui->sideNameEdit, m_route.stationAt(index)->sideName[lang], text))
        pushCommand(new SetStationSideNameCmd(this, index, lang, text));
}

// The stop announcement made from the next-stop announcement of the entry before.
void RouteForm::on_autoStationNameBtn_clicked()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    ui->stationNameEdit->clearFocus();
    const int lang = language(StationLanguage);
    QString text = m_route.stationWord(lang);
    if (index > 0) {
        const Station *before = m_route.stationAt(index - 1);
        text = m_route.toStationText(lang, isNextSeparate() ? before->name[lang] : before->nextName[lang]);
    }
    if (text == m_route.stationAt(index)->name[lang])
        return;
    auto *command = new QUndoCommand;
    new SetStationNameCmd(this, index, lang, text, command);
    pushCommand(command);
}

// The next-stop announcement made from the stop announcement of the entry after, within the
// direction.
void RouteForm::on_autoNextNameBtn_clicked()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    ui->nextNameEdit->clearFocus();
    const int lang = language(StationLanguage);
    const Station *next = m_route.stationAt(index + 1);
    const QString text
        = next && index + 1 != m_route.backStationIndex() ? m_route.toNextText(lang, next->name[lang]) : QString();
    const Station *station = m_route.stationAt(index);
    if (isNextSeparate() && text != station->name[lang])
        pushCommand(new SetStationNameCmd(this, index, lang, text));
    else if (!isNextSeparate() && text != station->nextName[lang])
        pushCommand(new SetStationNextNameCmd(this, index, lang, text));
}

void RouteForm::on_autoSideNameBtn_clicked()
{
    const int index = m_currentStation;
    if (!m_route.isValidStationIndex(index))
        return;
    const int lang = language(StationLanguage);
    const Station *station = m_route.stationAt(index);
    const QString text = m_route.strippedName(lang, station->name[lang]);
    if (text != station->sideName[lang])
        pushCommand(new SetStationSideNameCmd(this, index, lang, text));
}

// Where "Новая остановка" inserts: after the current stop, before the last entry for the route
// row, and in the separate layout before the next-stop entry of the stop after. An entry of the
// return direction never adds into the forward direction.
int RouteForm::newStationPosition() const
{
    const int current = m_currentStation;
    const int count = m_route.stationCount();
    const int back = m_route.backStationIndex();
    const int beforeLast = isNextSeparate() ? count - 2 : count - 1;
    int position;
    if (current < 0 || (current == count - 1 && back < count))
        position = beforeLast;
    else if (current == count - 1)
        position = count;
    else
        position = isNextEntry(current) ? current : current + 1;
    if (back < count && (current < 0 || current >= back))
        position = qMax(position, back);
    return qMax(position, 0);
}

void RouteForm::on_addStationBtn_clicked()
{
    const int position = newStationPosition();
    const int back = m_route.backStationIndex();
    // The announcement of the entry that will follow the new stop, or the bare word.
    const Station *following = m_route.stationAt(position);
    auto nextText = [&](int lang) {
        return following ? m_route.toNextText(lang, following->name[lang]) : m_route.nextWord(lang);
    };
    auto *command = new QUndoCommand;
    new AddStationCommand(this, position, command);
    // Without a return direction the back index marks the end of the list and moves with it;
    // a stop appended at the end would otherwise start a return direction of its own.
    const bool growsBack = position < back || back == m_route.stationCount();
    int newBack = growsBack ? back + 1 : back;
    if (!isNextSeparate()) {
        for (int lang = 0; lang < m_langCount; ++lang)
            new SetStationNextNameCmd(this, position, lang, nextText(lang), command);
        // The stop before announced the old successor; it now announces the new, unnamed one.
        const Station *before = position != back ? m_route.stationAt(position - 1) : nullptr;
        for (int lang = 0; before && lang < m_langCount; ++lang) {
            if (before->nextName[lang] == nextText(lang) && nextText(lang) != m_route.nextWord(lang))
                new SetStationNextNameCmd(this, position - 1, lang, m_route.nextWord(lang), command);
        }
    } else if (position == back && position + 1 == m_route.stationCount()) {
        // The last stop of a single-stop return direction: the new entry announces it.
        for (int lang = 0; lang < m_langCount; ++lang)
            new SetStationNameCmd(this, position, lang, nextText(lang), command);
    } else {
        // A new stop and, before it, the next-stop entry that announces it.
        new AddStationCommand(this, position, command);
        if (growsBack)
            ++newBack;
        for (int lang = 0; lang < m_langCount; ++lang)
            new SetStationNameCmd(this, position, lang, m_route.nextWord(lang), command);
    }
    if (newBack != back)
        new SetBackStationIndexCmd(this, newBack, command);
    pushCommand(command);
    showStation(position);
}

// The first stop of a direction gets the next-stop entry that announces it.
void RouteForm::on_addNextStationBtn_clicked()
{
    const int current = m_currentStation;
    const int back = m_route.backStationIndex();
    if (!isNextSeparate() || (current != 0 && current != back) || !m_route.isValidStationIndex(current)
        || isNextEntry(current))
        return;
    const Station *stop = m_route.stationAt(current);
    auto *command = new QUndoCommand;
    new AddStationCommand(this, current, command);
    for (int lang = 0; lang < m_langCount; ++lang)
        new SetStationNameCmd(this, current, lang, m_route.toNextText(lang, stop->name[lang]), command);
    if (current < back)
        new SetBackStationIndexCmd(this, back + 1, command);
    pushCommand(command);
    showStation(current);
}

// The last stop of the forward direction stays, and in the separate layout so does the entry
// before it. A removed stop takes its next-stop entry along.
void RouteForm::on_removeStationBtn_clicked()
{
    const int current = m_currentStation;
    if (!m_route.isValidStationIndex(current))
        return;
    const int back = m_route.backStationIndex();
    const bool separate = isNextSeparate();
    if (m_route.hasReturnDirection() && (current + 1 == back || (separate && current + 2 == back)))
        return;
    auto *command = new QUndoCommand;
    new RemoveStationCommand(this, current, command);
    int newBack = current < back ? back - 1 : back;
    const bool startOfDirection = current == 0 || current == back;
    if (!separate && !startOfDirection) {
        const Station *removed = m_route.stationAt(current);
        const Station *following = m_route.stationAt(current + 1);
        for (int lang = 0; lang < m_langCount; ++lang) {
            const QString nextText = following ? m_route.toNextText(lang, following->name[lang]) : QString();
            const QString &before = m_route.stationAt(current - 1)->nextName[lang];
            if (before == m_route.toNextText(lang, removed->name[lang]) && before != nextText)
                new SetStationNextNameCmd(this, current - 1, lang, nextText, command);
        }
    } else if (separate && !startOfDirection && !isNextEntry(current)) {
        new RemoveStationCommand(this, current - 1, command);
        if (current <= back)
            --newBack;
    } else if (separate && !startOfDirection) {
        new RemoveStationCommand(this, current, command);
        if (current < back)
            --newBack;
    }
    if (newBack != back)
        new SetBackStationIndexCmd(this, newBack, command);
    pushCommand(command);
    showStation(qMin(current, m_route.stationCount() - 1));
}

void RouteForm::selectNeighbourEntry(int step)
{
    clearWidgetFocus();
    const int row = ui->stationList->currentIndex().row() + step;
    if (row >= 0 && row < m_stationModel->rowCount())
        ui->stationList->setCurrentIndex(m_stationModel->index(row, 0));
}
