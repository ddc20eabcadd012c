#include "filelistcommands.h"

#include <QObject>

AddFileCommand::AddFileCommand(RouteForm *page, RouteForm::FileList list, int station, int position,
                               const QString &name, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_list(list)
    , m_station(station)
    , m_position(position)
    , m_name(name)
{
}

void AddFileCommand::undo()
{
    m_page->removeFile(m_list, m_station, m_position);
}

void AddFileCommand::redo()
{
    m_page->insertFile(m_list, m_station, m_position, m_name);
}

RemoveFileCommand::RemoveFileCommand(RouteForm *page, RouteForm::FileList list, int station, int position,
                                     QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_list(list)
    , m_station(station)
    , m_position(position)
    , m_name(page->files(list, station).value(position))
{
}

void RemoveFileCommand::undo()
{
    m_page->insertFile(m_list, m_station, m_position, m_name);
}

void RemoveFileCommand::redo()
{
    m_page->removeFile(m_list, m_station, m_position);
}

MoveFileCommand::MoveFileCommand(RouteForm *page, RouteForm::FileList list, int station, int from, int to,
                                 QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_list(list)
    , m_station(station)
    , m_from(from)
    , m_to(to)
{
}

void MoveFileCommand::undo()
{
    m_page->moveFile(m_list, m_station, m_to, m_from);
}

void MoveFileCommand::redo()
{
    m_page->moveFile(m_list, m_station, m_from, m_to);
}

AddStationTextFileCmd::AddStationTextFileCmd(RouteForm *page, int station, int position, const QString &name,
                                             QUndoCommand *parent)
    : AddFileCommand(page, RouteForm::TextFiles, station, position, name, parent)
{
    setText(QObject::tr("Добавление файла %1 к остановке\n").arg(name));
}

RemoveStationTextFileCmd::RemoveStationTextFileCmd(RouteForm *page, int station, int position, QUndoCommand *parent)
    : RemoveFileCommand(page, RouteForm::TextFiles, station, position, parent)
{
    setText(QObject::tr("Удаление файла %1 от остановки\n").arg(name()));
}

MoveStationTextFileCmd::MoveStationTextFileCmd(RouteForm *page, int station, int from, int to, QUndoCommand *parent)
    : MoveFileCommand(page, RouteForm::TextFiles, station, from, to, parent)
{
    setText(QObject::tr("Перемещение текстового файла на остановке\n"));
}

AddStationSoundFileCmd::AddStationSoundFileCmd(RouteForm *page, int station, int position, const QString &name,
                                               QUndoCommand *parent)
    : AddFileCommand(page, RouteForm::SoundFiles, station, position, name, parent)
{
}

RemoveStationSoundFileCmd::RemoveStationSoundFileCmd(RouteForm *page, int station, int position, QUndoCommand *parent)
    : RemoveFileCommand(page, RouteForm::SoundFiles, station, position, parent)
{
}

MoveStationSoundFileCmd::MoveStationSoundFileCmd(RouteForm *page, int station, int from, int to, QUndoCommand *parent)
    : MoveFileCommand(page, RouteForm::SoundFiles, station, from, to, parent)
{
}

AddAdwareTextFileCmd::AddAdwareTextFileCmd(RouteForm *page, int position, const QString &name, QUndoCommand *parent)
    : AddFileCommand(page, RouteForm::AdTextFiles, -1, position, name, parent)
{
}

RemoveAdTextFileCmd::RemoveAdTextFileCmd(RouteForm *page, int position, QUndoCommand *parent)
    : RemoveFileCommand(page, RouteForm::AdTextFiles, -1, position, parent)
{
}

MoveAdwareTextFileCmd::MoveAdwareTextFileCmd(RouteForm *page, int from, int to, QUndoCommand *parent)
    : MoveFileCommand(page, RouteForm::AdTextFiles, -1, from, to, parent)
{
}

SetAdPathCommand::SetAdPathCommand(RouteForm *page, const QString &path, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::adFolder, &RouteForm::setAdFolder, path, parent)
{
}
