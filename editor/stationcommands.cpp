#include "stationcommands.h"

#include "filelistcommands.h"

#include <QObject>

AddStationCommand::AddStationCommand(RouteForm *page, int index, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_index(index)
{
    setText(QObject::tr("Добавление остановки\n"));
}

void AddStationCommand::undo()
{
    m_page->removeStation(m_index);
}

void AddStationCommand::redo()
{
    m_page->insertStation(m_index);
}

RemoveStationCommand::RemoveStationCommand(RouteForm *page, int index, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_index(index)
{
    setText(QObject::tr("Удаление остановки\n"));
}

// The stop record changes hands here: redo() takes it from the route, undo() gives it back;
// a command discarded while it holds the stop frees it.
void RemoveStationCommand::undo()
{
    m_page->insertStation(m_index, m_station.release());
}

void RemoveStationCommand::redo()
{
    m_station.reset(m_page->takeStation(m_index));
}

SetBackStationIndexCmd::SetBackStationIndexCmd(RouteForm *page, int index, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backStationIndex, &RouteForm::setBackStationIndex, index, parent)
{
}

SetStationNameCmd::SetStationNameCmd(RouteForm *page, int station, int language, const QString &text,
                                     QUndoCommand *parent)
    : SwapCommand(
        page, [](const RouteData &route, int index, int lang) { return route.stationAt(index)->name[lang]; },
        &RouteForm::setStationName, station, language, text, parent)
{
    setText(QObject::tr("Изменение имени остановки\n"));
}

SetStationNextNameCmd::SetStationNextNameCmd(RouteForm *page, int station, int language, const QString &text,
                                             QUndoCommand *parent)
    : SwapCommand(
        page, [](const RouteData &route, int index, int lang) { return route.stationAt(index)->nextName[lang]; },
        &RouteForm::setStationNextName, station, language, text, parent)
{
    setText(QObject::tr("Изменение следующей остановки\n"));
}

SetStationSideNameCmd::SetStationSideNameCmd(RouteForm *page, int station, int language, const QString &text,
                                             QUndoCommand *parent)
    : SwapCommand(
        page, [](const RouteData &route, int index, int lang) { return route.stationAt(index)->sideName[lang]; },
        &RouteForm::setStationSideName, station, language, text, parent)
{
    setText(QObject::tr("Изменение бококого имени остановки\n"));
}

SetStationSequencyCommand::SetStationSequencyCommand(RouteForm *page, bool separate, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_separate(separate)
{
    const RouteData &route = page->route();
    const int back = separate ? addNextEntries(route) : foldNextEntries(route);
    new SetBackStationIndexCmd(page, back, this);
}

// Every stop that has a successor gets an entry after it that carries its next-stop text, and
// its own next-stop text is emptied. Working backwards keeps the earlier indexes valid.
// Returns the new start of the return direction.
int SetStationSequencyCommand::addNextEntries(const RouteData &route)
{
    const int back = route.backStationIndex();
    int newBack = back;
    for (int stop = route.stationCount() - 2; stop >= 0; --stop) {
        // The last stop of the forward direction announces no next stop.
        if (stop == back - 1)
            continue;
        new AddStationCommand(m_page, stop + 1, this);
        if (stop + 1 < back)
            ++newBack;
        const TextPair &nextName = route.stationAt(stop)->nextName;
        for (int language = 0; language < m_page->languageCount(); ++language) {
            new SetStationNameCmd(m_page, stop + 1, language, nextName[language], this);
            if (!nextName[language].isEmpty())
                new SetStationNextNameCmd(m_page, stop, language, QString(), this);
        }
    }
    return newBack;
}

// Each next-stop entry goes back into the stop before it: its text becomes that stop's
// next-stop text and its files follow the stop's own. Which entries are next-stop entries
// follows from the parity of their direction, so stop entries, such as a direction's only stop,
// are never folded. A next-stop entry that opens its direction has no stop to go into and stays
// as a stop of its own, with its text and files. Working backwards keeps the earlier indexes
// valid. Returns the new start of the return direction.
int SetStationSequencyCommand::foldNextEntries(const RouteData &route)
{
    const int back = route.backStationIndex();
    int newBack = back;
    for (int entry = route.stationCount() - 1; entry > 0; --entry) {
        if (entry == back || !route.isNextStopEntry(entry, true))
            continue;
        const Station *next = route.stationAt(entry);
        const Station *stop = route.stationAt(entry - 1);
        for (int language = 0; language < m_page->languageCount(); ++language)
            new SetStationNextNameCmd(m_page, entry - 1, language, next->name[language], this);
        for (int file = 0; file < next->textFiles.size(); ++file)
            new AddStationTextFileCmd(m_page, entry - 1, stop->textFiles.size() + file, next->textFiles.at(file), this);
        for (int file = 0; file < next->soundFiles.size(); ++file)
            new AddStationSoundFileCmd(m_page, entry - 1, stop->soundFiles.size() + file, next->soundFiles.at(file),
                                       this);
        new RemoveStationCommand(m_page, entry, this);
        if (entry < back)
            --newBack;
    }
    return newBack;
}

void SetStationSequencyCommand::undo()
{
    QUndoCommand::undo();
    m_page->setNextSeparate(m_separate);
    m_separate = !m_separate;
}

void SetStationSequencyCommand::redo()
{
    m_page->setNextSeparate(m_separate);
    m_separate = !m_separate;
    QUndoCommand::redo();
}
